// The rename parameters window remembers where it was: its placement is stored as a 44-byte
// record when the window is destroyed and applied when the next one is first shown.
#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/WindowPlacement.h"
#include "tests/support/TestTree.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtEndian>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

qint32 field(const QByteArray &record, int index)
{
    return qFromLittleEndian<qint32>(record.constData() + 4 * index);
}

QByteArray storedPlacement()
{
    return CAppSettings::GetProfileBinary(CDlgRenameParameters::placementValueName())
        .value_or(QByteArray());
}

// The geometry a dialog takes on its first showing with the store as it is now.
QRect firstShownGeometry()
{
    CDlgRenameParameters dialog;
    dialog.showDialog();
    return dialog.geometry();
}

} // namespace

class TestDlgRenameParametersPlacement : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestTree> m_tree;

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_tree->useTemporarySettings();
    }
    void cleanup() { m_tree.reset(); }

    void destroyingStoresTheRecordAndTheNextDialogOpensThere()
    {
        const QRect where(40, 50, 660, 430); // above the window's least height
        {
            CDlgRenameParameters dialog;
            dialog.showDialog();
            dialog.setGeometry(where);
            QTRY_COMPARE(dialog.geometry(), where);
            dialog.hide(); // a hidden window keeps its place
        }
        const QByteArray record = storedPlacement();
        QCOMPARE(record.size(), 44);
        QCOMPARE(field(record, 0), 44);
        QCOMPARE(field(record, 2), 1); // shown normally
        QCOMPARE(field(record, 7), 40);
        QCOMPARE(field(record, 8), 50);
        QCOMPARE(field(record, 9), 700);
        QCOMPARE(field(record, 10), 480);

        QCOMPARE(firstShownGeometry(), where);
    }

    void shownAgainItStaysWhereTheUserMovedIt()
    {
        // No stored placement: the first showing centres the window; the user then moves it
        // (through the window system, not the program), closes it and shows it again.
        QWidget parent;
        parent.setGeometry(100, 100, 900, 700);
        parent.show();
        CDlgRenameParameters dialog(&parent);
        dialog.showDialog();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint centred = dialog.pos();
        dialog.windowHandle()->setPosition(centred + QPoint(-60, 45));
        QTRY_VERIFY(dialog.pos() != centred);
        const QPoint moved = dialog.pos();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        dialog.showDialog();
        QCOMPARE(dialog.pos(), moved);
    }

    void aDialogNeverShownStoresNothing()
    {
        {
            CDlgRenameParameters dialog;
        }
        QVERIFY(!CAppSettings::GetProfileBinary(CDlgRenameParameters::placementValueName()));
    }

    void aRecordOfTheWrongSizeOrOffEveryScreenIsIgnored()
    {
        const QRect byDefault = firstShownGeometry();
        CAppSettings::WriteProfileBinary(CDlgRenameParameters::placementValueName(), {});
        WindowPlacement placement;
        placement.normalRect = QRect(30, 20, 680, 420);
        QVERIFY(placement.normalRect != byDefault);
        const QByteArray record = placement.toRecord();

        for (const QByteArray &wrong : {record.left(43), record + '\0', QByteArray()}) {
            CAppSettings::WriteProfileBinary(CDlgRenameParameters::placementValueName(), wrong);
            QCOMPARE(firstShownGeometry(), byDefault);
        }

        placement.normalRect = QRect(-90000, -90000, 680, 420);
        CAppSettings::WriteProfileBinary(CDlgRenameParameters::placementValueName(),
                                         placement.toRecord());
        QCOMPARE(firstShownGeometry(), byDefault);

        // The same record at the right size is applied.
        CAppSettings::WriteProfileBinary(CDlgRenameParameters::placementValueName(), record);
        QCOMPARE(firstShownGeometry(), QRect(30, 20, 680, 420));
    }

    // A rectangle stored at another scale or on a larger screen is made to fit the screen it
    // is mostly on: no larger than its available area, and moved inside it.
    void aRecordReachingPastTheScreenIsMadeToFit()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint at = available.topLeft() + QPoint(10, 10);
        const struct
        {
            QRect stored;
            QRect shown;
        } cases[] = {
            {QRect(at, available.size() * 2), available},
            {QRect(available.right() - 99, at.y(), 680, 420),
             QRect(available.right() + 1 - 680, at.y(), 680, 420)},
            {QRect(available.left() - 200, available.bottom() - 49, 680, 420),
             QRect(available.left(), available.bottom() + 1 - 420, 680, 420)},
        };
        for (const auto &c : cases) {
            WindowPlacement placement;
            placement.normalRect = c.stored;
            CAppSettings::WriteProfileBinary(CDlgRenameParameters::placementValueName(),
                                             placement.toRecord());
            // The platform may push the window by its frame's width off the screen's edge.
            const QRect shown = firstShownGeometry();
            QCOMPARE(shown.size(), c.shown.size());
            QVERIFY2((shown.topLeft() - c.shown.topLeft()).manhattanLength() <= 8,
                     qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
        }
    }

    void corruptRectanglesAreNotApplied()
    {
        QByteArray record = WindowPlacement().toRecord();
        // left 100, right 50: no width.
        qToLittleEndian<qint32>(100, record.data() + 28);
        qToLittleEndian<qint32>(50, record.data() + 36);
        const auto placement = WindowPlacement::fromRecord(record);
        QVERIFY(placement);
        QVERIFY(placement->normalRect.isEmpty());
        // A rectangle whose width does not fit in 32 bits.
        qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), record.data() + 28);
        qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), record.data() + 36);
        QVERIFY(WindowPlacement::fromRecord(record)->normalRect.isEmpty());
        // A wrong length field.
        qToLittleEndian<qint32>(40, record.data());
        QVERIFY(!WindowPlacement::fromRecord(record));
    }
};

QTEST_MAIN(TestDlgRenameParametersPlacement)
#include "tst_DlgRenameParametersPlacement.moc"
