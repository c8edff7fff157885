#include "fichiers.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Lecture lit_lignes(const std::string& path, std::vector<std::string>& lignes,
                   std::size_t max_octets) {
    lignes.clear();
    // A FIFO or a device would block or never end: only regular files are read.
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return Lecture::illisible;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return Lecture::illisible;
    // The size reported by stat is not trusted (files of /proc report 0):
    // reading stops one byte past the limit.
    std::string tout;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        tout.append(buf, n);
        if (tout.size() > max_octets) {
            std::fclose(f);
            return Lecture::trop_grand;
        }
    }
    const bool erreur = std::ferror(f) != 0;
    std::fclose(f);
    if (erreur) return Lecture::illisible;

    std::size_t debut = 0;
    while (debut < tout.size()) {
        std::size_t fin = tout.find('\n', debut);
        if (fin == std::string::npos) fin = tout.size();
        std::size_t l = fin;
        if (l > debut && tout[l - 1] == '\r') --l;
        lignes.emplace_back(tout, debut, l - debut);
        debut = fin + 1;
    }
    return Lecture::ok;
}

namespace {

bool ecrit_tout(int fd, const std::string& contenu) {
    const char* p = contenu.data();
    std::size_t reste = contenu.size();
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        reste -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool remplace_fichier(const std::string& path, const std::string& contenu) {
    if (path.empty()) return false;
    // A name of our own beside the target, created exclusively so that no
    // file of the user is ever overwritten by the temporary one; open()
    // applies the umask as for any new file.
    static std::atomic<unsigned> compteur{0};
    std::string tmp;
    int fd = -1;
    for (int essai = 0; essai < 100 && fd < 0; ++essai) {
        tmp = path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(compteur++);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // Rewriting a file keeps its permissions.
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);

    bool ok = ecrit_tout(fd, contenu) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}
