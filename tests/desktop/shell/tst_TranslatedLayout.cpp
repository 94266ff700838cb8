// The desktop program in the language of $LANGUAGE (one test run per shipped language, the
// pseudo-language, an unknown one and lists of languages): the translation loaded is the
// right one (the first shipped language of the list, English when an English one comes
// first or none is shipped), and no text
// of the main window, its status bar or a dialog is cut short or overlaps another, with the
// window 1280 and 800 pixels wide (QT_SCALE_FACTOR=2 in the runs at scale 2).
#include "ShellFixture.h"
#include "TextFit.h"

#include "desktop/dialogs/DlgRenameFailures.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/DlgSettings.h"
#include "desktop/dialogs/DlgSingleFileRename.h"
#include "desktop/dialogs/DlgUnreadFolders.h"
#include "desktop/shell/about/AboutDlg.h"
#include "desktop/shell/Translations.h"
#include "desktop/shell/WindowsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>

#include <functional>
#include <memory>

using MakeDialog = std::function<QDialog *(QWidget *)>;
Q_DECLARE_METATYPE(MakeDialog)

class TranslatedLayoutTest : public QObject
{
    Q_OBJECT

private:
    ShellFixture m_shell;
    // The folder listed, of a name like a user's own: the left status pane names it (a much
    // longer path is cut short there in any language, as the pane gives way in a narrow window).
    QTemporaryDir m_temporary{QDir::tempPath() + QStringLiteral("/qw-XXXXXX")};
    QString m_folder = m_temporary.path() + QStringLiteral("/Holiday Photos 2024");
    QString m_language = qEnvironmentVariable("LANGUAGE");

    // The language whose translation the program must load for $LANGUAGE: the first shipped
    // one of the list, unless an English one comes first; empty for English.
    QString expected() const
    {
        static const QStringList shipped{QStringLiteral("de"),    QStringLiteral("fr"),
                                         QStringLiteral("es"),    QStringLiteral("pt_BR"),
                                         QStringLiteral("it"),    QStringLiteral("pl"),
                                         QStringLiteral("ru"),    QStringLiteral("ja"),
                                         QStringLiteral("zh_CN"), QStringLiteral("en_XA")};
        for (const QString &language : m_language.split(u':')) {
            if (shipped.contains(language))
                return language;
            if (language.startsWith(QLatin1String("en")))
                return {};
        }
        return {};
    }

    static void checkFits(QWidget *window)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const QList<TextBox> boxes = TextFit::boxesOf(window);
        QVERIFY(!boxes.isEmpty());
        if (qEnvironmentVariableIsSet("QUIREWELL_SHOW_FITS"))
            qInfo().noquote() << TextFit::describe(boxes, 1);
        const QStringList faults = TextFit::faultsOf(boxes);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temporary.isValid() && QDir().mkdir(m_folder));
        for (int i = 1; i <= 12; ++i) {
            QFile file(m_folder + QStringLiteral("/IMG_2024_%1.jpg").arg(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(i * 1000, 'x'));
        }
        QVERIFY(m_shell.start({m_folder}));
        QVERIFY(waitListed(m_shell.view()));
    }

    void cleanupTestCase() { m_shell.stop(); }

    // The desktop's language picks the file; a language without one keeps English.
    void loadsTheTranslationOfTheLanguage()
    {
        const QString loaded = Translations::install(*QCoreApplication::instance());
        const QString language = expected();
        if (language.isEmpty()) {
            QCOMPARE(loaded, QString());
            QCOMPARE(
                m_shell.frame()->findChild<QTabBar *>(QStringLiteral("category-tabs"))->tabText(0),
                QStringLiteral("&Home"));
            return;
        }
        QCOMPARE(loaded, QStringLiteral("quirewell_%1.qm").arg(language));
        QVERIFY(QCoreApplication::translate("HomeCategory", "Edit") != QLatin1String("Edit"));
        QCOMPARE(m_shell.frame()->findChild<QTabBar *>(QStringLiteral("category-tabs"))->tabText(0),
                 QCoreApplication::translate("HomeCategory", "&Home"));
        // Qt's own buttons speak the language too (no Qt translation for the pseudo one).
        if (language != QLatin1String("en_XA"))
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") !=
                    QLatin1String("Cancel"));
    }

    // The check itself: a text given less room than it needs, and two texts on one another.
    void textFitFindsCutAndOverlappingTexts()
    {
        QWidget window;
        auto *cut = new QLabel(QStringLiteral("A label much longer than its room"), &window);
        cut->setGeometry(0, 0, cut->sizeHint().width() - 1, 30);
        auto *box = new QCheckBox(QStringLiteral("&Over"), &window);
        box->setGeometry(10, 10, box->sizeHint().width(), box->sizeHint().height());
        auto *fits = new QPushButton(QStringLiteral("Fits"), &window);
        fits->setGeometry(0, 60, fits->sizeHint().width(), fits->sizeHint().height());
        window.resize(400, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList faults = TextFit::faultsOf(TextFit::boxesOf(&window));
        QCOMPARE(faults.size(), 2);
        QVERIFY2(faults[0].startsWith(QLatin1String("cut label \"A label")), qPrintable(faults[0]));
        QVERIFY2(faults[1].startsWith(QLatin1String("overlap \"A label")) &&
                     faults[1].contains(QLatin1String("\"Over\"")),
                 qPrintable(faults[1]));
    }

    void mainWindowFits_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("1280 wide") << 1280;
        QTest::newRow("800 wide") << 800;
    }

    void mainWindowFits()
    {
        QFETCH(int, width);
        CMainFrame *frame = m_shell.frame();
        frame->showNormal();
        frame->resize(width, 760);
        QTRY_COMPARE(frame->width(), width);
        checkFits(frame);
    }

    void dialogsFit_data()
    {
        using Make = MakeDialog;
        QTest::addColumn<Make>("make");
        QTest::newRow("settings") << Make([](QWidget *p) { return new CDlgSettings(p); });
        QTest::newRow("rename parameters")
            << Make([](QWidget *p) { return new CDlgRenameParameters(p); });
        QTest::newRow("single-file rename") << Make([](QWidget *p) {
            auto *dialog = new CDlgSingleFileRename(p);
            dialog->setFile(QStringLiteral("/home/me/Holiday Photos/"),
                            QStringLiteral("IMG_2024_01.jpg"));
            return dialog;
        });
        QTest::newRow("about") << Make([](QWidget *p) { return new CAboutDlg(p); });
        QTest::newRow("windows") << Make(
            [this](QWidget *p) { return new WindowsDialog(*m_shell.frame()->mdiArea(), p); });
        QTest::newRow("rename failures") << Make([](QWidget *p) {
            return new CDlgRenameFailures(
                3,
                {{QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("/tmp/"),
                  QStringLiteral("File exists")}},
                p);
        });
        QTest::newRow("unread folders") << Make([](QWidget *p) {
            return new CDlgUnreadFolders(
                {{QStringLiteral("/tmp/x/"), QStringLiteral("Permission denied")}}, p);
        });
    }

    void dialogsFit()
    {
        QFETCH(MakeDialog, make);
        std::unique_ptr<QDialog> dialog(make(m_shell.frame()));
        checkFits(dialog.get());
    }
};

QTEST_MAIN(TranslatedLayoutTest)
#include "tst_TranslatedLayout.moc"
