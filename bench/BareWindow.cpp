// What Qt alone costs to put the editor's window on screen: a plain window of
// the editor's size holding the same kinds and numbers of widgets and list
// rows, in the faces the editor's window asks for, built the plainest way Qt
// offers. The bench starts it beside the editor, so the difference between
// the two is the editor's own start-up, not the cost of loading its fonts.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace {

// Rows as long as the editor's: a name padded to a column, then a number.
QStringList Rows(int count, int nameColumns) {
    QStringList rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows << QStringLiteral("ROW").leftJustified(nameColumns) + QStringLiteral("#%1").arg(i, 3, 10, QChar('0'));
    return rows;
}

QFont Face(const char* family, int pixels, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(332, 338);
    window.setFont(Face("Liberation Sans", 11));
    const QFont captions = Face("Liberation Sans", 15, true);
    const QFont fixed = Face("Liberation Mono", 11);

    // Party, species and the four moves, each chooser as wide as the editor's.
    const int chooserRows[] = {0, 151, 166, 166, 166, 166};
    const QStringList species = Rows(151, 11);
    const QStringList moves = Rows(166, 13);
    int top = 8;
    for (int rows : chooserRows) {
        auto* chooser = new QComboBox(&window);
        chooser->setGeometry(176, top, 145, 22);
        chooser->setFont(fixed);
        if (rows == 151) chooser->addItems(species);
        if (rows == 166) chooser->addItems(moves);
        top += 24;
    }
    for (int i = 0; i < 10; ++i) {
        auto* edit = new QLineEdit(&window);
        edit->setGeometry(88, 8 + 24 * i, 73, 22);
        edit->setFont(fixed);
    }
    for (int i = 0; i < 14; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1:").arg(i), &window);
        label->setGeometry(16, 8 + 21 * i, 70, 16);
        label->setFont(captions);
    }
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(16 + 78 * i, 308, 74, 25);
    }
    auto* box = new QCheckBox(QStringLiteral("Check"), &window);
    box->setGeometry(176, 160, 105, 17);

    window.show();
    return app.exec();
}
