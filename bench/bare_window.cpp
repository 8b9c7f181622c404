// The yardstick of start-up: the least a Qt Widgets program does to show one picture. A
// borderless window the size of the picture named on the command line, painted whole.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace
{
class PictureWindow : public QWidget
{
public:
    explicit PictureWindow(const QString& file) : picture(file)
    {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        setWindowTitle(QStringLiteral("Bare window - [Title]"));
        resize(picture.isNull() ? QSize(640, 480) : picture.size());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(rect(), picture);
    }

private:
    QImage picture;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PictureWindow window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    window.show();
    return app.exec();
}
