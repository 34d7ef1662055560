#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Configuration.h"
#include "platform/IniFile.h"
#include "texts/Language.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

namespace {

// The window and the program on a configuration file of their own, with no indicator.
struct Window {
    explicit Window(const QString& iniPath) {
        window.setMessagePresenter(&messages);
        program = std::make_unique<Program>(window, iniPath, 2000);
        program->start(QFileInfo(iniPath).path());
    }
    ~Window() { window.setMessagePresenter(nullptr); }
    MainWindow window;
    RecordingMessages messages;
    std::unique_ptr<Program> program;
};

// Every text the window shows, each under the path of its object (class, name, place among the
// window's objects), so two windows built alike compare text by text.
QStringList Texts(QWidget* root) {
    QStringList texts{"title=" + root->windowTitle()};
    QHash<QString, int> seen;
    for (QObject* o : root->findChildren<QObject*>()) {
        QString at = o->metaObject()->className();
        for (QObject* p = o; p && p != root; p = p->parent()) at += '/' + p->objectName();
        at += '#' + QString::number(seen[at]++) + ':';
        QStringList shown;
        if (auto* w = qobject_cast<QWidget*>(o)) shown << w->toolTip();
        if (auto* b = qobject_cast<QAbstractButton*>(o)) shown << b->text();
        if (auto* l = qobject_cast<QLabel*>(o)) shown << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(o)) shown << g->title();
        if (auto* m = qobject_cast<QMenu*>(o)) shown << m->title();
        if (auto* a = qobject_cast<QAction*>(o)) shown << a->text() << a->toolTip();
        if (auto* t = qobject_cast<QTabWidget*>(o))
            for (int k = 0; k < t->count(); ++k) shown << t->tabText(k);
        if (auto* c = qobject_cast<QComboBox*>(o))
            for (int k = 0; k < c->count(); ++k) shown << c->itemText(k);
        if (auto* t = qobject_cast<QTableWidget*>(o))
            for (int k = 0; k < t->columnCount(); ++k)
                if (t->horizontalHeaderItem(k)) shown << t->horizontalHeaderItem(k)->text();
        shown.removeAll(QString());
        if (!shown.isEmpty()) texts << at + shown.join('|');
    }
    texts.sort();
    return texts;
}

bool HasJapanese(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x3000 && c.unicode() < 0xFFA0) return true;
    return false;
}

}  // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT

  private slots:
    // Switching to English dresses every text as a window opened in English shows it, and the
    // choice is kept; switching back gives the very Japanese texts of before.
    void switchingRedressesAndBackGivesTheSameTexts() {
        QVERIFY(texts::UseLanguage(texts::kJapanese));
        QTemporaryDir dir;
        const QString ini = dir.filePath("Rusk.INI");
        Window japanese(ini);
        const QStringList before = Texts(&japanese.window);

        japanese.window.dispatch(Operation::SelectLanguage, 1);
        QCOMPARE(texts::CurrentLanguage(), texts::kEnglish);
        QCOMPARE(ReadProfileString(ini, "Options", "Language", ""), texts::kEnglish);
        const QStringList switched = Texts(&japanese.window);

        QTemporaryDir other;
        Window english(other.filePath("Rusk.INI"));
        QCOMPARE(switched, Texts(&english.window));
        for (QAction* menu : japanese.window.menuBar()->actions()) {
            QVERIFY2(!HasJapanese(menu->text()), qPrintable(menu->text()));
            for (QAction* item : menu->menu()->findChildren<QAction*>())
                if (item->objectName() != "mnuLANG_ja")
                    QVERIFY2(!HasJapanese(item->text()), qPrintable(item->text()));
        }

        japanese.window.dispatch(Operation::SelectLanguage, 0);
        QCOMPARE(Texts(&japanese.window), before);
        QCOMPARE(ReadProfileString(ini, "Options", "Language", ""), texts::kJapanese);
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "test_language_switch.moc"
