// The least a picture of a window costs with Qt here: start the application on the offscreen
// platform, draw one label of the owner's name the size of the owner's window, save it as the
// view does, exit. scripts/bench-process.sh times it beside `nuvclient shot owner`.
//   qt_label_shot PICTURE.png
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURE.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLabel label(QString::fromUtf8("Élodie Mercier"));
    label.resize(510, 403);
    return label.grab().toImage().save(QString::fromLocal8Bit(argv[1]), "PNG", 80) ? 0 : 1;
}
