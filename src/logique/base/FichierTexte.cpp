#include "logique/base/FichierTexte.h"

#include "logique/base/Cp1252.h"
#include "logique/base/DecodageTexte.h"
#include "logique/base/Erreurs.h"
#include "logique/base/Verrou.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString nom(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

using FichierTexte::raison;
}  // namespace

// The reason of a failed system call, in the words of the person at the keyboard.
QString FichierTexte::raison(int erreur) {
    switch (erreur) {
        case ENOSPC: return QStringLiteral("il n'y a plus de place sur le disque");
        case EDQUOT: return QStringLiteral("la place permise sur le disque est épuisée");
        case EFBIG: return QStringLiteral("le fichier dépasserait la taille permise");
        case EACCES:
        case EPERM: return QStringLiteral("l'accès est refusé");
        case EROFS: return QStringLiteral("le disque est en lecture seule");
        case ENOENT:
        case ENOTDIR: return QStringLiteral("le fichier ou son dossier est introuvable");
        case EISDIR: return QStringLiteral("c'est un dossier");
        case ELOOP: return QStringLiteral("c'est un lien");
        case ENAMETOOLONG: return QStringLiteral("le nom est trop long");
        case EIO: return QStringLiteral("le disque ne répond pas correctement");
        case EMFILE:
        case ENFILE: return QStringLiteral("trop de fichiers sont ouverts");
        case EBUSY:
        case ETXTBSY: return QStringLiteral("le fichier est utilisé par un autre programme");
        default: return QStringLiteral("erreur du système n° %1").arg(erreur);
    }
}

namespace {

[[noreturn]] void echec(const QString& quoi, const QString& chemin, int erreur, const QString& suite = {}) {
    throw ErreurFichier(QStringLiteral("%1 %2 : %3.%4").arg(quoi, nom(chemin), raison(erreur), suite));
}

const QString Conserve = QStringLiteral(" Son contenu précédent est conservé.");

QByteArray systeme(const QString& chemin) { return QFile::encodeName(chemin); }

// An open file descriptor that closes itself.
class Descripteur final {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }
    // Closes now; the errno of a failed close, 0 otherwise.
    int ferme() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes every byte; the errno of the failure, 0 when all went down.
int ecritTout(int fd, const QByteArray& contenu) {
    const char* p = contenu.constData();
    qsizetype reste = contenu.size();
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(reste));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        p += n;
        reste -= n;
    }
    return 0;
}

// What stands in a file's place when it is not a plain file: a named pipe given as the journal
// was told "disque plein" by the database, and read, it would wait for a writer for ever.
QString pasOrdinaire(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("c'est un dossier");
    if (S_ISFIFO(mode)) return QStringLiteral("ce n'est pas un fichier ordinaire mais un tube nommé");
    if (S_ISSOCK(mode)) return QStringLiteral("ce n'est pas un fichier ordinaire mais une prise de communication");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("ce n'est pas un fichier ordinaire mais un périphérique");
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

// Opened directly: a check before opening could race with another program's rename. -1 when
// the file does not exist and `absentPermis`. Without waiting (a named pipe would wait for a
// writer), and only a plain file is read.
int ouvreEnLecture(const QString& chemin, bool absentPermis = false) {
    int fd;
    do fd = ::open(systeme(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ENOENT && absentPermis) return -1;
        if (errno == ENOENT) throw ErreurFichier(QStringLiteral("Le fichier %1 est introuvable.").arg(nom(chemin)));
        echec(QStringLiteral("Impossible de lire le fichier"), chemin, errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw ErreurFichier(QStringLiteral("Impossible de lire le fichier %1 : %2.").arg(nom(chemin), pasOrdinaire(st.st_mode)));
    }
    return fd;  // O_NONBLOCK changes nothing for a plain file
}

QByteArray litTout(const QString& chemin, int fd) {
    Descripteur fichier(fd);
    QByteArray octets;
    char tampon[65536];
    for (;;) {
        const ssize_t n = ::read(fichier.fd(), tampon, sizeof tampon);
        if (n < 0) {
            if (errno == EINTR) continue;
            echec(QStringLiteral("Impossible de lire le fichier"), chemin, errno);
        }
        if (n == 0) break;
        octets.append(tampon, n);
    }
    return octets;
}

// The bytes of a file of the disk, or of one compiled into the program (":/…"), which only Qt reads.
QByteArray contenu(const QString& chemin) {
    if (!chemin.startsWith(QLatin1Char(':'))) return litTout(chemin, ouvreEnLecture(chemin));
    QFile integre(chemin);
    if (!integre.open(QIODevice::ReadOnly))
        throw ErreurFichier(QStringLiteral("Le fichier %1 est introuvable.").arg(nom(chemin)));
    return integre.readAll();
}

const QByteArrayView MarqueUtf8("\xEF\xBB\xBF");

enum class Encodage { Windows1252, Reglages };

// `encore`, when given, is asked after each line whether to go on.
QStringList decoupe(QByteArrayView octets, Encodage encodage = Encodage::Windows1252,
                    const std::function<bool(const QString&)>& encore = {}) {
    // A settings file is UTF-8 as a whole or not at all: decided once for the file, after its mark.
    bool utf8 = false;
    if (encodage == Encodage::Reglages) {
        if (octets.startsWith(MarqueUtf8)) octets = octets.sliced(MarqueUtf8.size());
        utf8 = DecodageTexte::estUtf8(octets);
    }
    // Split the bytes first (memchr-fast), then decode each line on its own.
    QStringList lignes;
    const char* debut = octets.data();
    const char* const fin = debut + octets.size();
    while (debut < fin) {
        const char* saut = static_cast<const char*>(memchr(debut, '\n', fin - debut));
        const char* finLigne = saut ? saut : fin;
        const char* finTexte = (saut && finLigne > debut && finLigne[-1] == '\r') ? finLigne - 1 : finLigne;
        const QByteArrayView ligne(debut, finTexte - debut);
        lignes << (utf8 ? QString::fromUtf8(ligne) : Cp1252::decode(ligne));
        if (!saut || (encore && !encore(lignes.last()))) break;
        debut = saut + 1;
    }
    return lignes;
}

const QLatin1String SuffixeTemporaire(".~");
constexpr int LettresTemporaire = 5;  // with ".~": the 7 bytes a name keeps free for the copy

QString nomTemporaire(const QString& chemin) {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffixe = SuffixeTemporaire;
    for (int i = 0; i < LettresTemporaire; ++i)
        suffixe += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)]);
    return chemin + suffixe;
}

void synchroniseDossier(const QString& chemin) {
    // Makes the rename itself durable; a failure here changes nothing already done.
    const int fd = ::open(systeme(QFileInfo(chemin).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

namespace {
void remplace(const QString& chemin, const QByteArray& contenu) {
    const QString quoi = QStringLiteral("Impossible d'enregistrer le fichier");
    struct stat ancien {};
    const bool existait = ::lstat(systeme(chemin).constData(), &ancien) == 0;
    QString temporaire;
    int fd = -1;
    for (int essai = 0; fd < 0 && essai < 20; ++essai) {
        temporaire = nomTemporaire(chemin);
        fd = ::open(systeme(temporaire).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR) echec(quoi, chemin, errno, existait ? Conserve : QString());
    }
    if (fd < 0) echec(quoi, chemin, EEXIST, existait ? Conserve : QString());
    Descripteur fichier(fd);
    const auto abandonne = [&](int erreur) {
        fichier.ferme();
        ::unlink(systeme(temporaire).constData());
        echec(quoi, chemin, erreur, existait ? Conserve : QString());
    };
    if (existait) ::fchmod(fd, ancien.st_mode & 07777);
    // Every byte must be on the disk before the rename: a full disk shows only here.
    if (int e = ecritTout(fd, contenu)) abandonne(e);
    if (::fsync(fd) != 0) abandonne(errno);
    if (int e = fichier.ferme()) {
        ::unlink(systeme(temporaire).constData());
        echec(quoi, chemin, e, existait ? Conserve : QString());
    }
    if (::rename(systeme(temporaire).constData(), systeme(chemin).constData()) != 0) {
        const int e = errno;
        ::unlink(systeme(temporaire).constData());
        echec(quoi, chemin, e, existait ? Conserve : QString());
    }
    synchroniseDossier(chemin);
}
}  // namespace

void FichierTexte::remplaceOctets(const QString& chemin, const QByteArray& contenu) {
    verifieDansDossierDeTravail(chemin);
    remplace(chemin, contenu);
}

void FichierTexte::remplaceOctetsAilleurs(const QString& chemin, const QByteArray& contenu) { remplace(chemin, contenu); }

namespace {
bool dansDossier(const QString& reel, const QString& travail) {
    return reel == travail || reel.startsWith(travail.endsWith(QLatin1Char('/')) ? travail : travail + QLatin1Char('/'));
}
}  // namespace

namespace FichierTexte {
bool existe(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.exists() && info.isFile();
}

bool dossierExiste(const QString& chemin) { return QFileInfo(chemin).isDir(); }

bool estPresent(const QString& chemin) {
    struct stat st {};
    return ::lstat(systeme(chemin).constData(), &st) == 0;
}

QStringList litLignes(const QString& chemin) { return decoupe(contenu(chemin)); }

QByteArray litOctets(const QString& chemin) { return litTout(chemin, ouvreEnLecture(chemin)); }

QStringList litLignesReglages(const QString& chemin) { return decoupe(contenu(chemin), Encodage::Reglages); }

QStringList litLignesTantQue(const QString& chemin, const std::function<bool(const QString&)>& encore) {
    // The bytes are read whole (the cheap part): the encoding is the whole file's.
    return decoupe(contenu(chemin), Encodage::Reglages, encore);
}

QByteArray encode(const QString& texte, const QString& chemin) {
    auto octets = Cp1252::encode(texte);
    if (!octets)
        throw ErreurFichier(QStringLiteral("Le fichier %1 ne peut pas contenir certains caractères du texte.").arg(nom(chemin)));
    return *octets;
}

void ecritLignes(const QString& chemin, const QStringList& lignes) {
    QString texte;
    for (const QString& ligne : lignes) texte += ligne + QStringLiteral("\r\n");
    remplaceOctets(chemin, encode(texte, chemin));
}

void ecritTexte(const QString& chemin, const QString& texte) {
    remplaceOctets(chemin, encode(texte + QStringLiteral("\r\n"), chemin));
}

void ajoute(const QString& chemin, const QString& texte) {
    const QByteArray octets = encode(texte + QStringLiteral("\r\n"), chemin);
    verifieDansDossierDeTravail(chemin);
    const Verrou verrou(chemin);
    const QString quoi = QStringLiteral("Impossible d'ajouter au fichier");
    struct stat st {};
    const bool existait = ::lstat(systeme(chemin).constData(), &st) == 0;
    const int fd = ::open(systeme(chemin).constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) echec(quoi, chemin, errno);
    Descripteur fichier(fd);
    struct stat avant {};
    if (::fstat(fd, &avant) != 0) echec(quoi, chemin, errno);
    int e = ecritTout(fd, octets);
    if (!e && ::fsync(fd) != 0) e = errno;
    if (e) {
        // Half a block would glue itself to the next one: the file goes back to its old end.
        if (!existait) {
            ::unlink(systeme(chemin).constData());
            echec(quoi, chemin, e);
        }
        if (::ftruncate(fd, avant.st_size) != 0) echec(quoi, chemin, e);
        echec(quoi, chemin, e, Conserve);
    }
    if (int f = fichier.ferme()) echec(quoi, chemin, f);
}

bool modifieLignes(const QString& chemin, const std::function<bool(QStringList&, bool)>& modification) {
    if (!QFileInfo(QFileInfo(chemin).absolutePath()).isDir()) {
        // No folder, no file: a write asked for fails on the missing folder.
        QStringList lignes;
        if (!modification(lignes, false)) return false;
        ecritLignes(chemin, lignes);
        return true;
    }
    verifieDansDossierDeTravail(chemin);
    const Verrou verrou(chemin);
    const int fd = ouvreEnLecture(chemin, true);
    const bool existait = fd >= 0;
    QStringList lignes = existait ? decoupe(litTout(chemin, fd)) : QStringList();
    if (!modification(lignes, existait)) return false;
    ecritLignes(chemin, lignes);
    return true;
}

bool creeDossier(const QString& chemin) {
    if (dossierExiste(chemin)) return true;
    return QDir().mkdir(chemin);
}

void supprime(const QString& chemin) {
    verifieDansDossierDeTravail(chemin);
    if (::unlink(systeme(chemin).constData()) != 0 && errno != ENOENT)
        echec(QStringLiteral("Impossible de supprimer le fichier"), chemin, errno);
}

void verifieDansDossierDeTravail(const QString& chemin) {
    const QString travail = QDir::current().canonicalPath();
    const QString absolu = QDir::cleanPath(QDir::current().absoluteFilePath(chemin));
    const QString dossier = QFileInfo(absolu).absolutePath();
    const QString reel = QFileInfo(dossier).canonicalFilePath();
    if (reel.isEmpty()) throw ErreurFichier(QStringLiteral("Le dossier du fichier %1 est introuvable.").arg(nom(chemin)));
    // A folder reached through a link has a real path other than its written one.
    if (reel != dossier || !dansDossier(reel, travail))
        throw ErreurFichier(QStringLiteral("Le fichier %1 n'est pas dans le dossier de travail : "
                                           "Marivelle ne le modifie pas.")
                                .arg(nom(chemin)));
    struct stat st {};
    if (::lstat(systeme(absolu).constData(), &st) != 0) return;
    if (S_ISLNK(st.st_mode))
        throw ErreurFichier(QStringLiteral("Le fichier %1 est un lien vers un autre fichier : "
                                           "Marivelle ne le modifie pas.")
                                .arg(nom(chemin)));
    // A folder in its place is told by the write itself ("c'est un dossier").
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        throw ErreurFichier(QStringLiteral("Le fichier %1 ne peut pas être utilisé : %2. Marivelle ne le modifie pas.")
                                .arg(nom(chemin), pasOrdinaire(st.st_mode)));
}

bool estTemporaire(const QString& nomDeFichier) {
    static const QRegularExpression motif(QStringLiteral("^.+\\.~[a-z0-9]{5}$"));
    return motif.match(nomDeFichier).hasMatch();
}

int nettoieTemporaires(const QString& dossier, const QString& cible, int ageMinimumSecondes) {
    const QString travail = QDir::current().canonicalPath();
    const QFileInfo infoDossier(dossier);
    if (!infoDossier.isDir() || infoDossier.isSymLink()) return 0;
    const QString reel = infoDossier.canonicalFilePath();
    if (reel != QDir::cleanPath(infoDossier.absoluteFilePath()) || !dansDossier(reel, travail)) return 0;
    const QDateTime limite = QDateTime::currentDateTime().addSecs(-ageMinimumSecondes);
    int retires = 0;
    const QDir d(reel);
    for (const QFileInfo& info : d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString n = info.fileName();
        if (!estTemporaire(n) || info.isSymLink()) continue;
        if (!cible.isEmpty() && n.left(n.size() - 2 - LettresTemporaire) != cible) continue;
        if (ageMinimumSecondes > 0 && info.lastModified() > limite) continue;
        if (::unlink(systeme(info.absoluteFilePath()).constData()) == 0) ++retires;
    }
    return retires;
}
}  // namespace FichierTexte
