#include "ShellFixture.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/settings/AppSettings.h"
#include "core/listing/ListingTexts.h"
#include "desktop/shell/CaptionBar.h"
#include "desktop/shell/CommandLine.h"
#include "desktop/shell/QuirewellDoc.h"
#include "desktop/shell/StartUp.h"
#include "desktop/ui/CommandIds.h"
#include "Screenshot.h"

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class StartUpTest : public QObject
{
    Q_OBJECT
private slots:
    void noArgumentOpensOneMaximisedWindowThatAsksForAFolder()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.frame()->childFrames().size(), 1);
        CChildFrame *child = f.frame()->childFrames().first();
        QVERIFY(child->isMaximized());
        QVERIFY(child->document()->title().startsWith(QLatin1String("OrvaltRenamer")));
        // The folder picker is a posted command: it runs after start-up has returned.
        QCOMPARE(f.prompts.folderStarts.size(), 0);
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        QCOMPARE(f.prompts.folderStarts.first(), QString());
        // Cancelled: no folder, the caption shows the prompt, nothing listed.
        QCOMPARE(f.frame()->captionBar()->text(), ListingTexts::folderCaption(QString()));
        QCOMPARE(f.frame()->captionBar()->shownText(),
                 QStringLiteral("Edit Folder Location to List & Rename Files."));
        QCOMPARE(f.view()->fileModel().rowCount(), 0);
        QVERIFY(f.prompts.messages.isEmpty());
        // The stored look is applied and written back at every start.
        QCOMPARE(f.frame()->appLook(), 216);
        QCOMPARE(CAppSettings::applicationLook(), 216);
    }

    void kvxFileOpensADocumentNamedAfterItAndIgnoresItsContent()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("list.kvx"), "whatever is in here"));
        QVERIFY(f.start({f.tree.path(QStringLiteral("list.kvx"))}));
        QCOMPARE(f.frame()->childFrames().size(), 1);
        CChildFrame *child = f.frame()->childFrames().first();
        QCOMPARE(child->document()->title(), QStringLiteral("list.kvx"));
        QVERIFY(child->isMaximized());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        QCOMPARE(f.tree.contents(QStringLiteral("list.kvx")), QByteArray("whatever is in here"));
    }

    void folderArgumentListsItWithoutAsking()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("a.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("b.txt")));
        QVERIFY(f.start({f.tree.root() + QLatin1Char('/')}));
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.view()->folder(), f.tree.root());
        QCOMPARE(f.view()->fileModel().rowCount(), 2);
        QCOMPARE(f.frame()->captionBar()->text(), ListingTexts::folderCaption(f.tree.root()));
        QCoreApplication::processEvents();
        QVERIFY(f.prompts.folderStarts.isEmpty());
    }

    void folderUrlAndPathOpenOneWindowEach()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("My Photos/one.jpg")));
        QVERIFY(f.tree.createFile(QStringLiteral("docs/two.txt")));
        const QString photos = f.tree.path(QStringLiteral("My Photos"));
        QVERIFY(f.start({QUrl::fromLocalFile(photos).toString(QUrl::FullyEncoded),
                         f.tree.path(QStringLiteral("docs"))}));
        const QList<CChildFrame *> children = f.frame()->childFrames();
        QCOMPARE(children.size(), 2);
        const QString expected[] = {photos, f.tree.path(QStringLiteral("docs"))};
        const QString names[] = {QStringLiteral("one.jpg"), QStringLiteral("two.txt")};
        for (int i = 0; i < 2; ++i) {
            CQuirewellView *view = children[i]->view();
            QVERIFY(waitListed(view));
            QCOMPARE(view->folder(), expected[i]);
            QCOMPARE(view->fileModel().text(0, 1), names[i]);
        }
        QCoreApplication::processEvents();
        QVERIFY(f.prompts.folderStarts.isEmpty());
    }

    // Arguments keep their bytes: a folder whose name is not UTF-8 is listed, exactly that
    // folder and not a look-alike.
    void argumentsThatAreNotUtf8KeepTheirBytes()
    {
        // A byte that cannot start a character, and one that starts a character cut short.
        const QByteArray kept[] = {"/tmp/\xff-photos", "/tmp/caf\xe9", "/tmp/caf\xc3\xa9"};
        for (QByteArray argument : kept) {
            char program[] = "quirewell";
            char *argv[] = {program, argument.data(), nullptr};
            QCOMPARE(StartUp::beforeApplication(2, argv), -1);
            QCOMPARE(encodeFileName(StartUp::arguments(2, argv).value(0)), argument);
        }

        ShellFixture f;
        const QByteArray root = QFile::encodeName(f.tree.root());
        const QByteArray folder = root + "/caf\xe9";
        const QByteArray lookAlike = root + "/caf\xef\xbf\xbd"; // U+FFFD in its place
        for (const QByteArray &path : {folder, lookAlike}) {
            QCOMPARE(::mkdir(path.constData(), 0755), 0);
            const QByteArray file = path + (path == folder ? "/wanted.txt" : "/other.txt");
            const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        char program[] = "quirewell";
        QByteArray argument = folder;
        char *argv[] = {program, argument.data(), nullptr};
        QVERIFY(f.start(StartUp::arguments(2, argv)));
        QVERIFY(waitListed(f.view()));
        QCOMPARE(encodeFileName(f.view()->folder()), folder);
        QCOMPARE(f.view()->fileModel().rowCount(), 1);
        QCOMPARE(f.view()->fileModel().text(0, 1), QStringLiteral("wanted.txt"));
        QCoreApplication::processEvents();
        QVERIFY(f.prompts.folderStarts.isEmpty());
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void droppedFolderOpensAWindowThatListsIt()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("sub/one.txt")));
        QVERIFY(f.start());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(f.tree.path(QStringLiteral("sub")))});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        // Delivered as the window system would, past the drag manager of a real drag.
        static_cast<QObject *>(f.frame())->event(&drop);
        QCOMPARE(f.frame()->childFrames().size(), 2);
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.view()->folder(), f.tree.path(QStringLiteral("sub")));
        QCOMPARE(f.view()->fileModel().text(0, 1), QStringLiteral("one.txt"));
        QCOMPARE(f.prompts.folderStarts.size(), 1);
    }

    void saveWritesAnEmptyFileAndOpenFindsTheOpenDocument()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        const QString untitled = f.frame()->activeChildFrame()->document()->title();

        // Save of a new document asks for a name; the extension is added when missing.
        f.prompts.saveFileAnswers << f.tree.path(QStringLiteral("saved"));
        QVERIFY(f.run(QStringLiteral("FileSave")));
        QCOMPARE(f.prompts.saveSuggestions, QStringList{untitled + QStringLiteral(".kvx")});
        QVERIFY(f.tree.exists(QStringLiteral("saved.kvx")));
        QCOMPARE(QFileInfo(f.tree.path(QStringLiteral("saved.kvx"))).size(), 0);
        QCOMPARE(f.frame()->activeChildFrame()->windowTitle(), QStringLiteral("saved.kvx"));
        QCOMPARE(f.frame()->windowTitle(),
                 QStringLiteral("Quirewell by orvalt.example - saved.kvx"));

        // A second Save writes the same file without asking.
        QVERIFY(f.tree.createFile(QStringLiteral("saved.kvx"), "stale"));
        QVERIFY(f.run(QStringLiteral("FileSave")));
        QCOMPARE(f.prompts.saveSuggestions.size(), 1);
        QCOMPARE(QFileInfo(f.tree.path(QStringLiteral("saved.kvx"))).size(), 0);

        // Opening the same file activates its window instead of adding one.
        f.prompts.openFileAnswers << f.tree.path(QStringLiteral("saved.kvx"));
        QVERIFY(f.run(QStringLiteral("FileOpen")));
        QCOMPARE(f.frame()->childFrames().size(), 1);

        // New adds a window; Close closes the active document without asking.
        QVERIFY(f.run(QStringLiteral("FileNew")));
        QCOMPARE(f.frame()->childFrames().size(), 2);
        QVERIFY(f.run(QStringLiteral("FileClose")));
        QTRY_COMPARE(f.frame()->childFrames().size(), 1);
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void aFileThatCannotBeOpenedIsReported()
    {
        // On the command line it ends the start-up after the message.
        ShellFixture f;
        const QString missing = f.tree.path(QStringLiteral("nonexistent/folder"));
        QVERIFY(!f.start({missing}));
        QCOMPARE(f.app->exitCode(), 1);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages.first().text,
                 missing + QStringLiteral("\nCannot find this file.\nPlease verify that the "
                                          "correct path and file name are given."));
        QVERIFY(!f.frame()->isVisible());

        // From Open it opens no window.
        QVERIFY(f.start());
        f.prompts.openFileAnswers << missing;
        QVERIFY(f.run(QStringLiteral("FileOpen")));
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.frame()->childFrames().size(), 1);
        // Nor does a named pipe, which is never opened (that would wait for a writer).
        const QString pipe = f.tree.path(QStringLiteral("pipe.kvx"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        f.prompts.openFileAnswers << pipe;
        QVERIFY(f.run(QStringLiteral("FileOpen")));
        QCOMPARE(f.prompts.messages.size(), 3);
        QCOMPARE(f.prompts.messages.last().text, QStringLiteral("Failed to open document."));
        QCOMPARE(f.frame()->childFrames().size(), 1);
    }

    void saveThatCannotWriteSaysSo()
    {
        ShellFixture f;
        QVERIFY(f.start());
        f.prompts.saveFileAnswers << f.tree.path(QStringLiteral("missing/folder/x.kvx"));
        QVERIFY(f.run(QStringLiteral("FileSaveAs")));
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages.first().icon, Prompts::Icon::Error);
        QVERIFY(f.frame()->activeChildFrame()->document()->path().isEmpty());
    }

    void commandLineParsing()
    {
        CommandLine line = CommandLine::parse({QStringLiteral("--version")});
        QVERIFY(line.version);
        const ScreenshotOptions shot = ScreenshotOptions::parse(
            {QStringLiteral("--screenshot"), QStringLiteral("/tmp/a.png"), QStringLiteral("--look"),
             QStringLiteral("212"), QStringLiteral("--folder"), QStringLiteral("/srv")});
        QCOMPARE(shot.file, QStringLiteral("/tmp/a.png"));
        QCOMPARE(shot.look, 212);
        QCOMPARE(shot.folder, QStringLiteral("/srv"));
        QVERIFY(shot.error.isEmpty());
        QVERIFY(!ScreenshotOptions::parse({QStringLiteral("--screenshot"), QStringLiteral("a.png"),
                                           QStringLiteral("--look"), QStringLiteral("x")})
                     .error.isEmpty());
        // The installed program takes no screenshot options.
        QVERIFY(!CommandLine::parse({QStringLiteral("--screenshot"), QStringLiteral("/tmp/a.png")})
                     .error.isEmpty());
        QVERIFY(!CommandLine::parse({QStringLiteral("--bogus")}).error.isEmpty());

        // Paths and file URLs, as a file manager passes them for %F or %U.
        const struct
        {
            const char *argument;
            const char *path; // nullptr: refused
        } cases[] = {
            {"relative/folder", "relative/folder"},
            {"/home/me/My Photos", "/home/me/My Photos"},
            {"file:///home/me/My%20Photos", "/home/me/My Photos"},
            {"FILE:///home/me/a%25b", "/home/me/a%b"},
            {"file://localhost/srv/%C3%A9t%C3%A9/", "/srv/\u00e9t\u00e9/"},
            {"file:///home/me/100% sure", "/home/me/100% sure"},
            {"file:///home/me/%FFname", "/home/me/\xffname"}, // not UTF-8: kept as it is
            {"file:///home/me/%00name", nullptr},             // NUL is not UTF-8 of a path
            {"file://elsewhere.example/srv", nullptr},
            {"file:relative", nullptr},
            {"smb://server/share/folder", nullptr},
            {"sftp://me@host/home/me", nullptr},
        };
        for (const auto &c : cases) {
            line = CommandLine::parse({QString::fromUtf8(c.argument)});
            if (c.path) {
                QVERIFY2(line.error.isEmpty(), c.argument);
                QCOMPARE(line.openPaths, QStringList{decodeFileName(c.path)});
            } else {
                QVERIFY2(!line.error.isEmpty(), c.argument);
            }
        }

        ShellFixture f;
        QVERIFY(!f.start({QStringLiteral("--bogus")}));
        QCOMPARE(f.app->exitCode(), 2);
        QVERIFY(!f.start({QStringLiteral("--version")}));
        QCOMPARE(f.app->exitCode(), 0);
        for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            QVERIFY(CommandLine::parse({help}).help);
            QVERIFY(!f.start({help}));
            QCOMPARE(f.app->exitCode(), 0);
        }
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_StartUp.moc"
