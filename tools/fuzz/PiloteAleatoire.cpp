// Without libFuzzer: feeds the fuzz entry random inputs made from a seed, for a number of seconds
// or of inputs, half of them mutations of the sample files given on the command line.
//   marivelle_fuzz_aleatoire [--secondes N] [--graine N] [--entrees N] [fichiers...]
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille);

int main(int argc, char** argv) {
    double secondes = 2;
    unsigned long long entrees = ~0ull, graine = 1;
    QList<QByteArray> exemples;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--secondes" && i + 1 < argc) secondes = std::stod(argv[++i]);
        else if (a == "--graine" && i + 1 < argc) graine = std::stoull(argv[++i]);
        else if (a == "--entrees" && i + 1 < argc) entrees = std::stoull(argv[++i]);
        else {
            QFile f(QString::fromLocal8Bit(argv[i]));
            if (f.open(QIODevice::ReadOnly)) exemples << f.readAll();
        }
    }
    std::mt19937_64 hasard(graine);
    const auto tire = [&](size_t n) { return static_cast<size_t>(hasard() % (n ? n : 1)); };
    // Bytes the parsers care about, more often than the others.
    const QByteArray speciaux("\r\n-_>*()0123456789 ,;.\xE9\xFF\x00", 24);
    QElapsedTimer montre;
    montre.start();
    unsigned long long n = 0;
    for (; n < entrees && montre.elapsed() < secondes * 1000; ++n) {
        QByteArray entree(1, static_cast<char>(hasard()));
        if (!exemples.isEmpty() && hasard() % 2) {
            entree += exemples[tire(exemples.size())];
            for (size_t k = tire(8) + 1; k > 0 && entree.size() > 1; --k) {
                const size_t ou = 1 + tire(entree.size() - 1);
                switch (hasard() % 4) {
                    case 0: entree[ou] = static_cast<char>(hasard()); break;
                    case 1: entree[ou] = speciaux[tire(speciaux.size())]; break;
                    case 2: entree.remove(ou, tire(16)); break;
                    default: entree.insert(ou, exemples[tire(exemples.size())].left(tire(64))); break;
                }
            }
        } else {
            for (size_t k = tire(512); k > 0; --k)
                entree += hasard() % 2 ? static_cast<char>(hasard()) : speciaux[tire(speciaux.size())];
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(entree.constData()), entree.size());
    }
    std::printf("[ chiffres ] %llu entrées passées en %.1f s (graine %llu), aucune erreur\n", n, montre.elapsed() / 1000.0,
                graine);
    return 0;
}
