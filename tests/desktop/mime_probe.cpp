// Prints the type Qt's MIME database gives a file name, then the type's comment. Run as its own
// process, so the database reads the XDG folders as they are at that moment.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[1]),
                                                           QMimeDatabase::MatchExtension);
    std::printf("%s\n%s\n", qPrintable(type.name()), qPrintable(type.comment()));
    return 0;
}
