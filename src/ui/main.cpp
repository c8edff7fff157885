#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

int main(int argc, char** argv) {
    Fl_Double_Window w(400, 300, "Dralen v0.36_0");
    w.end();
    w.show(argc, argv);
    return Fl::run();
}
