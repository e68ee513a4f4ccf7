// The change panel Form18 beside each editor it serves and over the main window's empty inventory area,
// and the breakdown Form19 of a figure: each picture shows the windows where they stand on the screen.
#include "shots.h"

#include "data/catalogue.h"
#include "engine/soulshield_rules.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

namespace {

using tessarin::MainWindow;
using tessarin::shots::wait;

template <typename T = QWidget> T* child(QWidget* window, const QString& name)
{
    return window->findChild<T*>(name);
}

void click(QWidget* window, const QString& name)
{
    auto* target = child<QObject>(window, name);
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->click();
    else
        QMetaObject::invokeMethod(target, "clicked");
    wait(30);
}

void select(QWidget* window, const QString& list, int row)
{
    child<QListWidget>(window, list)->setCurrentRow(row);
}

void type(QWidget* window, const QString& box, const QString& text)
{
    child<QLineEdit>(window, box)->setText(text);
}

// The pointer resting on a control of the main window, as a move reports it.
void rest(MainWindow* main, const QString& name)
{
    QWidget* target = child(main, name);
    const QPointF at = target->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// The windows drawn where they stand, on a dark ground.
bool saveTogether(const std::vector<QWidget*>& windows, const QString& name)
{
    wait(120);
    QRect area;
    for (QWidget* window : windows)
        area |= window->frameGeometry();
    const qreal ratio = windows.front()->devicePixelRatioF();
    QPixmap canvas(area.size() * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(QColor(28, 30, 36));
    QPainter painter(&canvas);
    for (QWidget* window : windows)
        painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    painter.end();
    const QString path = QDir(tessarin::shots::outputFolder())
                             .filePath(name + tessarin::shots::scaleSuffix(windows.front()) + QStringLiteral(".png"));
    const bool ok = canvas.save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// Picks a class from the class box, as a person does.
void chooseClass(MainWindow* main, const QString& name)
{
    auto* box = child<QComboBox>(main, QStringLiteral("Combo1"));
    const int index = box->findText(name);
    box->setCurrentIndex(index);
    QMetaObject::invokeMethod(box, "activated", Q_ARG(int, index));
    wait(30);
}

void equip(MainWindow* main, int row, int piece)
{
    const tessarin::CatalogueEntry& entry = *tessarin::catalogueEntry(row, piece);
    tessarin::equipCataloguePiece(main->state(), entry, entry.mainValues[0], 1, entry.subOptions[0].values[0]);
    main->refreshGate().wake();
}

struct Scene {
    const char* picture;
    const char* editor;
    std::function<void(MainWindow*)> stage;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::vector<Scene> scenes = {
        {"preview-form5", "Form5",
         [](MainWindow* main) {
             equip(main, 1, 1);
             equip(main, 1, 2);
             click(main, QStringLiteral("Command2")); // 잃어버린 영린족 보패 3번
             QWidget* editor = main->windows().find(QStringLiteral("Form5"));
             select(editor, QStringLiteral("List1"), 0);
             click(editor, QStringLiteral("Option1"));
             select(editor, QStringLiteral("List2"), 0);
         }},
        {"preview-form12", "Form12",
         [](MainWindow* main) {
             click(main, QStringLiteral("Command22"));
             QWidget* editor = main->windows().find(QStringLiteral("Form12"));
             type(editor, QStringLiteral("Text4"), QStringLiteral("120"));
             type(editor, QStringLiteral("Text7"), QStringLiteral("550"));
         }},
        {"preview-form3", "Form3",
         [](MainWindow* main) {
             chooseClass(main, QStringLiteral("검사"));
             click(main, QStringLiteral("Image9"));
             click(main->windows().find(QStringLiteral("Form2")), QStringLiteral("Command1"));
             QWidget* editor = main->windows().find(QStringLiteral("Form3"));
             click(editor, QStringLiteral("Option4"));
             select(editor, QStringLiteral("List2"), 0);
             click(editor, QStringLiteral("Option5"));
             select(editor, QStringLiteral("List1"), 1);
         }},
        {"preview-form4", "Form4",
         [](MainWindow* main) {
             chooseClass(main, QStringLiteral("소환사"));
             click(main, QStringLiteral("Image9"));
             click(main->windows().find(QStringLiteral("Form2")), QStringLiteral("Command2"));
             QWidget* editor = main->windows().find(QStringLiteral("Form4"));
             click(editor, QStringLiteral("Option2"));
             select(editor, QStringLiteral("List2"), 0);
         }},
        {"preview-form6", "Form6",
         [](MainWindow* main) {
             chooseClass(main, QStringLiteral("역사"));
             click(main, QStringLiteral("Image9"));
             click(main->windows().find(QStringLiteral("Form2")), QStringLiteral("Command3"));
             QWidget* editor = main->windows().find(QStringLiteral("Form6"));
             type(editor, QStringLiteral("Text1"), QStringLiteral("150"));
             type(editor, QStringLiteral("Text4"), QStringLiteral("80"));
         }},
        {"preview-form10", "Form10",
         [](MainWindow* main) {
             click(main, QStringLiteral("Image15"));
             QWidget* editor = main->windows().find(QStringLiteral("Form10"));
             type(editor, QStringLiteral("Text1"), QStringLiteral("25"));
             type(editor, QStringLiteral("Text2"), QStringLiteral("12.5"));
             type(editor, QStringLiteral("Text5"), QStringLiteral("60"));
         }},
        {"preview-form14", "Form14",
         [](MainWindow* main) {
             equip(main, 2, 5);
             click(main, QStringLiteral("Label32"));
             QWidget* chooser = main->windows().find(QStringLiteral("Form13"));
             wait(30);
             click(chooser, QStringLiteral("Option5"));
             click(chooser, QStringLiteral("Command2"));
             type(main->windows().find(QStringLiteral("Form14")), QStringLiteral("Text1"), QStringLiteral("46"));
         }},
    };
    for (const Scene& scene : scenes) {
        MainWindow* main = tessarin::shots::openMainWindow();
        scene.stage(main);
        wait(60);
        QWidget* editor = main->windows().find(QString::fromLatin1(scene.editor));
        std::vector<QWidget*> windows = {editor, main->windows().find(QStringLiteral("Form18"))};
        if (QWidget* chooser = main->windows().find(QStringLiteral("Form13")))
            windows.push_back(chooser);
        saveTogether(windows, QString::fromLatin1(scene.picture));
        main->windows().closeAll(main);
        wait(30);
    }

    // A worn piece's board button, and the breakdown of the defence total under 광풍.
    MainWindow* main = tessarin::shots::openMainWindow();
    chooseClass(main, QStringLiteral("역사"));
    for (int k = 1; k <= 3; ++k)
        equip(main, 1, k);
    click(main, QStringLiteral("Image13"));
    QWidget* accessory = main->windows().find(QStringLiteral("Form10"));
    type(accessory, QStringLiteral("Text6"), QStringLiteral("120"));
    click(accessory, QStringLiteral("Command1"));
    wait(60);
    rest(main, QStringLiteral("Command9"));
    saveTogether({main, main->windows().find(QStringLiteral("Form18"))}, QStringLiteral("preview-board"));
    click(main, QStringLiteral("Command33")); // 광풍
    wait(60);
    rest(main, QStringLiteral("Label47"));
    saveTogether({main, main->windows().find(QStringLiteral("Form19"))}, QStringLiteral("breakdown"));
    main->windows().closeAll(main);
    return 0;
}
