#include "dialogues.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>

#include <algorithm>

namespace {

constexpr int marge = 10;
constexpr int cote_icone = 50;
constexpr int lbouton = 90, hbouton = 25;
constexpr int taille_texte = 14;

// The text as the label will draw it: a word wider than a line (a path, a
// formula) cut where the line ends, since the toolkit wraps at blanks only,
// and '@' doubled, which the toolkit would read as the start of a symbol.
std::string texte_coupe(const std::string& message, int largeur) {
    fl_font(FL_HELVETICA, taille_texte);
    std::string sortie, ligne;
    for (std::size_t i = 0; i < message.size();) {
        const std::size_t n = std::min<std::size_t>(
            static_cast<std::size_t>(std::max(1, fl_utf8len1(message[i]))), message.size() - i);
        const std::string c = message.substr(i, n);
        i += n;
        if (c == " " || c == "\n") {
            sortie += ligne + c;
            ligne.clear();
            continue;
        }
        if (!ligne.empty() && fl_width((ligne + c).c_str()) > largeur) {
            sortie += ligne + "\n";
            ligne.clear();
        }
        ligne += c;
    }
    sortie += ligne;
    std::string echappe;
    for (char c : sortie) echappe += c == '@' ? std::string("@@") : std::string(1, c);
    return echappe;
}

// One modal dialog: the icon, the text wrapped beside it, then its buttons
// at the bottom right. The default one answers Enter and has the focus;
// Escape and the frame's close button give the default answer too. True
// when the other button was pressed.
bool dialogue(const std::string& message, const char* icone, const char* defaut, const char* autre) {
    const int lmax = std::min(largeur_texte_dialogue, Fl::w() - cote_icone - 4 * marge);
    const std::string texte = texte_coupe(message, lmax);
    fl_font(FL_HELVETICA, taille_texte);
    int tw = lmax, th = 0;
    fl_measure(texte.c_str(), tw, th);
    // A text taller than the screen is cut rather than the buttons pushed off it.
    th = std::max(cote_icone, std::min(th, Fl::h() - hbouton - 8 * marge));
    const int nb = autre ? 2 : 1;
    // The toolkit draws a label inside a box 3 pixels in from either side.
    const int W = std::max(3 * marge + cote_icone + tw + 6, nb * (lbouton + marge) + marge);
    const int H = 3 * marge + th + hbouton;

    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Window fenetre(W, H, "Dralen");
    auto* signe = new Fl_Box(marge, marge, cote_icone, cote_icone, icone);
    signe->box(FL_THIN_UP_BOX);
    signe->color(FL_WHITE);
    signe->labelfont(FL_TIMES_BOLD);
    signe->labelsize(34);
    signe->labelcolor(FL_BLUE);
    auto* boite = new Fl_Box(2 * marge + cote_icone, marge, W - 3 * marge - cote_icone, th);
    boite->copy_label(texte.c_str());
    boite->labelfont(FL_HELVETICA);
    boite->labelsize(taille_texte);
    boite->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    auto* b = new Fl_Return_Button(W - marge - lbouton, H - marge - hbouton, lbouton, hbouton, defaut);
    b->callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    bool oui = false;
    if (autre) {
        auto* o = new Fl_Button(W - 2 * (marge + lbouton), b->y(), lbouton, hbouton, autre);
        o->callback(
            [](Fl_Widget* w, void* r) {
                *static_cast<bool*>(r) = true;
                w->window()->hide();
            },
            &oui);
    }
    fenetre.end();
    Fl_Group::current(courant);

    fenetre.set_modal();
    // The default button under the pointer, the window kept on the screen.
    fenetre.hotspot(b);
    // A menu or list that holds the pointer would take the dialog's events.
    Fl_Window* grab = Fl::grab();
    if (grab) Fl::grab(nullptr);
    Fl_Widget_Tracker avant(Fl::focus());
    fenetre.show();
    b->take_focus();
    while (fenetre.shown()) Fl::wait();
    if (grab) Fl::grab(grab);
    // The keyboard goes back to the field it was in, where a refused value
    // is typed again.
    if (avant.exists() && avant.widget()->visible_r()) avant.widget()->take_focus();
    return oui;
}

}  // namespace

void montre_alerte(const std::string& message) { dialogue(message, "!", "Fermer", nullptr); }

bool pose_question(const std::string& question) { return dialogue(question, "?", "Non", "Oui"); }
