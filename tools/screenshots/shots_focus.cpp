// The keyboard focus frame in each kind of window: one sheet of the focused controls with what lies around
// them, docs/focus-frames[-200].png.
#include "shots.h"

#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <vector>

namespace {

using tessarin::MainWindow;

QWidget* opened(MainWindow* main, const char* name)
{
    tessarin::shots::wait(50);
    return main->windows().find(QString::fromLatin1(name));
}

void click(QWidget* window, const char* name)
{
    QObject* control = window->findChild<QObject*>(QString::fromLatin1(name));
    if (auto* button = qobject_cast<QPushButton*>(control))
        button->click();
    else if (auto* option = qobject_cast<QRadioButton*>(control))
        option->click();
    else
        QMetaObject::invokeMethod(control, "clicked");
}

struct Tile {
    QString caption;
    QPixmap picture;
};

// The control focused in its active window, with `margin` logical pixels of the window around it.
Tile focused(QWidget* window, const char* name, int margin = 18)
{
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    window->activateWindow();
    control->setFocus(Qt::TabFocusReason);
    tessarin::shots::wait(120);
    const QRect around = QRect(control->mapTo(window, QPoint(0, 0)), control->size())
                             .adjusted(-margin, -margin, margin, margin)
                             .intersected(window->rect());
    const QString title = window->windowTitle().isEmpty() ? window->objectName() : window->windowTitle();
    return {QStringLiteral("%1 (%2) · %3").arg(title, window->objectName(), QString::fromLatin1(name)),
            window->grab(around)};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow* main = tessarin::shots::openMainWindow();
    auto* classBox = main->findChild<QComboBox*>(QStringLiteral("Combo1"));
    classBox->setCurrentIndex(0); // 검사
    emit classBox->activated(0);

    std::vector<Tile> tiles;
    tiles.push_back(focused(main, "Command2", 30));  // a board button
    tiles.push_back(focused(main, "Image9", 12));    // the weapon slot
    tiles.push_back(focused(main, "Command33", 12)); // a stance button
    tiles.push_back(focused(main, "Label33", 12));   // the help hot spot

    // Each window opened by a click on a control of the window before, with its focused controls.
    const auto open = [&tiles, main](QWidget* from, const char* opener, const char* window,
                                     std::initializer_list<const char*> controls) {
        click(from, opener);
        QWidget* opened = ::opened(main, window);
        for (const char* control : controls)
            tiles.push_back(focused(opened, control));
        return opened;
    };
    QWidget* chooser = open(main, "Image9", "Form2", {"Command2"});
    open(chooser, "Command1", "Form3", {"List2", "Option1"})->close();
    open(main, "Command9", "Form5", {"List1"})->close();
    open(main, "Image13", "Form10", {"Text1"})->close();
    open(main, "Label32", "Form13", {"Command7"})->close();
    QWidget* menu = open(main, "Label33", "Form7", {"Command1"});
    open(menu, "Command1", "Form9", {"Command2"});

    // Three tiles a row, each under its caption.
    const qreal ratio = main->devicePixelRatioF();
    constexpr int kColumns = 3;
    constexpr int kGap = 12;
    constexpr int kCaption = 18;
    int cellWidth = 0;
    int cellHeight = 0;
    for (const Tile& tile : tiles) {
        cellWidth = std::max(cellWidth, qRound(tile.picture.width() / ratio));
        cellHeight = std::max(cellHeight, qRound(tile.picture.height() / ratio));
    }
    const int rows = (static_cast<int>(tiles.size()) + kColumns - 1) / kColumns;
    const QSize sheetSize(kColumns * (cellWidth + kGap) + kGap, rows * (cellHeight + kCaption + kGap) + kGap);
    QPixmap sheet(sheetSize * ratio);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(0x10, 0x13, 0x18));
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(0xe8, 0xe2, 0xd0));
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const int column = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        const QPoint at(kGap + column * (cellWidth + kGap), kGap + row * (cellHeight + kCaption + kGap));
        painter.drawText(QRect(at, QSize(cellWidth, kCaption)), Qt::AlignLeft | Qt::AlignVCenter, tiles[i].caption);
        painter.drawPixmap(at + QPoint(0, kCaption), tiles[i].picture);
    }
    painter.end();

    const QString path =
        QDir(tessarin::shots::outputFolder())
            .filePath(QStringLiteral("focus-frames") + tessarin::shots::scaleSuffix(main) + QStringLiteral(".png"));
    const bool ok = sheet.save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    main->windows().closeAll(main);
    return ok ? 0 : 1;
}
