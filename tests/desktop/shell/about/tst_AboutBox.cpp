#include "desktop/shell/about/AboutDlg.h"
#include "desktop/shell/about/WebLinks.h"
#include "RecordingOpener.h"
#include "RecordingPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

class AboutBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void webAddresses();
    void openingsReachTheOpenerLiterally();
    void texts();
    void applicationIconWhenThereIsOne();
    void linkClickOpensHomeAndStaysOpen();
    void keyboardOnTheLinkOpensNothing();
    void okCloses();
    void shownModallyThroughThePrompts();

private:
    RecordingOpener m_opener;
};

void AboutBoxTest::init()
{
    m_opener.urls.clear();
    ExternalOpener::install(&m_opener);
}

void AboutBoxTest::cleanup()
{
    ExternalOpener::install(nullptr);
    QApplication::setWindowIcon(QIcon());
}

void AboutBoxTest::webAddresses()
{
    QCOMPARE(WebLinks::homePage().toString(QUrl::FullyEncoded), u"http://www.orvalt.example/"_s);
    QCOMPARE(WebLinks::donatePage().toString(QUrl::FullyEncoded),
             u"https://donate.orvalt.example/"_s);
    const QUrl share = WebLinks::sharePage();
    QCOMPARE(share.toString(QUrl::FullyEncoded),
             u"http://www.facebook.com/sharer.php?u=https://www.orvalt.example/"_s);
    QCOMPARE(share.toEncoded(),
             QByteArray("http://www.facebook.com/sharer.php?u=https://www.orvalt.example/"));
    QCOMPARE(share.scheme(), u"http"_s);
    QCOMPARE(share.path(), u"/sharer.php"_s);
    const QUrlQuery query(share);
    QCOMPARE(query.queryItems().size(), 1);
    QCOMPARE(query.queryItemValue(u"u"_s), u"https://www.orvalt.example/"_s);
    QCOMPARE(WebLinks::supportAddress(), u"support@orvalt.example"_s);
    QCOMPARE(WebLinks::companyName(), u"Orvalt"_s);
}

void AboutBoxTest::openingsReachTheOpenerLiterally()
{
    WebLinks::openHomePage();
    WebLinks::openDonatePage();
    WebLinks::openSharePage();
    QCOMPARE(m_opener.urls.size(), 3);
    QCOMPARE(m_opener.urls.at(0).toEncoded(), QByteArray("http://www.orvalt.example/"));
    QCOMPARE(m_opener.urls.at(1).toEncoded(), QByteArray("https://donate.orvalt.example/"));
    // What the desktop is handed keeps the share value unencoded.
    QCOMPARE(m_opener.urls.at(2).toEncoded(),
             QByteArray("http://www.facebook.com/sharer.php?u=https://www.orvalt.example/"));
    QVERIFY(m_opener.shownFiles.isEmpty());
}

void AboutBoxTest::texts()
{
    CAboutDlg box;
    QCOMPARE(box.windowTitle(), u"About Orvalt Quirewell"_s);
    QCOMPARE(box.findChild<QLabel *>(u"about-version"_s)->text(),
             u"Orvalt Quirewell, Version " QUIREWELL_VERSION ""_s);
    QCOMPARE(box.findChild<QLabel *>(u"about-contact"_s)->text(),
             u"Contact : support@orvalt.example"_s);
    QVERIFY(box.findChild<QLabel *>(u"about-licence"_s)
                ->text()
                .contains(u"GNU General Public License, version 3 or later"_s));
    const auto *ok = box.findChild<QPushButton *>(u"about-ok"_s);
    QCOMPARE(ok->text(), u"OK"_s);
    QVERIFY(ok->isDefault());
    const auto *link = box.findChild<QLabel *>(u"about-link"_s);
    QCOMPARE(link->text(), u"<a href=\"http://www.orvalt.example/\">orvalt.example</a>"_s);
    QVERIFY(link->focusPolicy() & Qt::TabFocus);
    QVERIFY(box.findChild<QLabel *>(u"about-icon"_s)->pixmap().isNull());
    // A fixed dialog frame: no resizing, no maximise button.
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void AboutBoxTest::applicationIconWhenThereIsOne()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(pixmap));
    CAboutDlg box;
    const QPixmap shown = box.findChild<QLabel *>(u"about-icon"_s)->pixmap();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.toImage().pixelColor(16, 16), QColor(Qt::red));
}

void AboutBoxTest::linkClickOpensHomeAndStaysOpen()
{
    CAboutDlg box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *link = box.findChild<QLabel *>(u"about-link"_s);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    QCOMPARE(m_opener.urls, QList<QUrl>{WebLinks::homePage()});
    QCOMPARE(m_opener.urls.first().toEncoded(), QByteArray("http://www.orvalt.example/"));
    QVERIFY(box.isVisible());
    QCOMPARE(box.result(), 0);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    QCOMPARE(m_opener.urls.size(), 2);
}

void AboutBoxTest::keyboardOnTheLinkOpensNothing()
{
    CAboutDlg box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    auto *link = box.findChild<QLabel *>(u"about-link"_s);
    // Tab from OK reaches the link, as a keyboard user would.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), link);
    // A second Tab would pick the anchor inside a keyboard-reachable link; then the keys
    // that activate one.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(link, key);
    QVERIFY(m_opener.urls.isEmpty());
}

void AboutBoxTest::okCloses()
{
    CAboutDlg box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.findChild<QPushButton *>(u"about-ok"_s), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(m_opener.urls.isEmpty());
}

void AboutBoxTest::shownModallyThroughThePrompts()
{
    RecordingPrompts prompts;
    QStringList captions;
    prompts.onModal = [&captions](QDialog *dialog) {
        captions.append(dialog->windowTitle());
        return int(QDialog::Accepted);
    };
    showAboutBox(nullptr);
    QCOMPARE(captions, QStringList{u"About Orvalt Quirewell"_s});
}

QTEST_MAIN(AboutBoxTest)
#include "tst_AboutBox.moc"
