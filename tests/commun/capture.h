// Screenshots of a window from a GUI test, to look at a page as its users
// will. Nothing is written unless the environment variable DRALEN_CAPTURE
// names a directory: capture(window, "name") then writes DIR/name.png.
//
//   DRALEN_CAPTURE=/tmp xvfb-run -a -s "-screen 0 1920x1080x24" build/test_ui_gui
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace capture_detail {

inline std::uint32_t crc(const unsigned char* p, std::size_t n, std::uint32_t c = 0xFFFFFFFFu) {
    for (std::size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c;
}

inline void u32(std::vector<unsigned char>& o, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) o.push_back(static_cast<unsigned char>(v >> s));
}

inline void bloc(std::ofstream& f, const char* type, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> t(type, type + 4);
    t.insert(t.end(), data.begin(), data.end());
    std::vector<unsigned char> o;
    u32(o, static_cast<std::uint32_t>(data.size()));
    o.insert(o.end(), t.begin(), t.end());
    u32(o, crc(t.data(), t.size()) ^ 0xFFFFFFFFu);
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

// An RGB PNG with stored (uncompressed) deflate blocks.
inline bool ecrit_png(const std::string& chemin, const unsigned char* rgb, int w, int h) {
    std::ofstream f(chemin, std::ios::binary);
    if (!f) return false;
    const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    f.write(reinterpret_cast<const char*>(sig), 8);
    std::vector<unsigned char> ihdr;
    u32(ihdr, static_cast<std::uint32_t>(w));
    u32(ihdr, static_cast<std::uint32_t>(h));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    bloc(f, "IHDR", ihdr);
    std::vector<unsigned char> brut;
    for (int y = 0; y < h; ++y) {
        brut.push_back(0);
        brut.insert(brut.end(), rgb + static_cast<std::size_t>(y) * w * 3,
                    rgb + static_cast<std::size_t>(y + 1) * w * 3);
    }
    std::vector<unsigned char> z = {0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : brut) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    for (std::size_t i = 0; i < brut.size() || i == 0; i += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, brut.size() - i);
        z.push_back(i + n >= brut.size() ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n));
        z.push_back(static_cast<unsigned char>(~n >> 8));
        z.insert(z.end(), brut.begin() + static_cast<std::ptrdiff_t>(i),
                 brut.begin() + static_cast<std::ptrdiff_t>(i + n));
        if (n == 0) break;
    }
    u32(z, (b << 16) | a);
    bloc(f, "IDAT", z);
    bloc(f, "IEND", {});
    return static_cast<bool>(f);
}

}  // namespace capture_detail

// Writes the window's current picture to $DRALEN_CAPTURE/<nom>.png when that
// variable is set; returns whether a file was written.
inline bool capture(Fl_Window* fenetre, const std::string& nom) {
    const char* dir = std::getenv("DRALEN_CAPTURE");
    if (!dir || !*dir || !fenetre || !fenetre->shown()) return false;
    Fl::flush();
    Fl::check();
    fenetre->make_current();
    const int w = fenetre->w(), h = fenetre->h();
    unsigned char* rgb = fl_read_image(nullptr, 0, 0, w, h);
    if (!rgb) return false;
    const bool ok = capture_detail::ecrit_png(std::string(dir) + "/" + nom + ".png", rgb, w, h);
    delete[] rgb;
    return ok;
}
