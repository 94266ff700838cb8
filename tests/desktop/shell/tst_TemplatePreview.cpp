// A name template that reads the files' metadata, in the desktop program: the rows fill in
// from a worker's reads, a batch waits for the rest, Cancel stops the reading.
#include "CommandDriving.h"

#include "core/engine/names/NewNameRule.h"
#include "core/metadata/MetadataCache.h"
#include "tests/support/SampleMedia.h"

using namespace Qt::StringLiterals;

class TestTemplatePreview : public QObject
{
    Q_OBJECT

    static RenameParameters withTemplate(const QString &text)
    {
        RenameParameters params;
        params.checkNameTemplate = true;
        params.nameTemplate = text;
        return params;
    }
    static void makePhotos(ShellFixture &f, int count)
    {
        for (int i = 0; i < count; ++i) {
            const QByteArray day = QByteArray::number(1 + i % 28).rightJustified(2, '0');
            QVERIFY(f.tree.createFile(u"p%1.jpg"_s.arg(i, 5, 10, QLatin1Char('0')),
                                      exifJpeg("Cam", "2022:03:" + day + " 10:00:00")));
        }
    }

private slots:
    void rowsFillInAndTheBatchWaits()
    {
        ShellFixture f;
        makePhotos(f, 400);
        QVERIFY(f.tree.createFile(u"notes.txt"_s, "text"));
        QVERIFY(startListing(f, f.tree.root()));
        MetadataCache::shared().clear();
        ListController &controller = f.view()->controller();
        const RenameParameters params = withTemplate(u"{photo.taken:%Y%m%d}_{counter:4}{ext}"_s);
        controller.computeNewNames(params);
        QVERIFY(controller.newNamesPending());
        QTRY_VERIFY_WITH_TIMEOUT(!controller.newNamesPending(), 30000);
        FileRows expected = f.view()->fileModel().rows();
        ComputeNewFileNames(expected, params);
        const FileRows &shown = f.view()->fileModel().rows();
        for (int i = 0; i < shown.count(); ++i)
            QCOMPARE(shown.rows[size_t(i)].newName, expected.rows[size_t(i)].newName);
        QCOMPARE(shown.problems.count(RowProblem::MissingValue), size_t(1));
        // The row without a value is marked, its tooltip naming the token.
        const FileListModel &model = f.view()->fileModel();
        int notes = -1;
        for (int i = 0; i < shown.count(); ++i)
            if (shown.rows[size_t(i)].loadedName == u"notes.txt"_s)
                notes = i;
        QVERIFY(notes >= 0);
        const QModelIndex mark = model.index(notes, FileListModel::NewName);
        QCOMPARE(mark.data(FileListModel::kProblemRole).toInt(), int(RowProblem::MissingValue));
        QVERIFY2(mark.data(Qt::ToolTipRole).toString().contains(u"(no photo.taken)"_s),
                 qPrintable(mark.data(Qt::ToolTipRole).toString()));

        // Renaming at once after a change waits for the names of that change.
        const RenameParameters other =
            withTemplate(u"{photo.model}-{photo.taken:%d}-{counter}{ext}"_s);
        MetadataCache::shared().clear();
        controller.computeNewNames(other);
        QVERIFY(controller.newNamesPending());
        QStringList renamed;
        ComputeNewFileNames(expected, other);
        for (const FileRow &row : expected.rows)
            renamed << row.newName;
        renamed.sort();
        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        controller.OnStartRenaming();
        QTRY_COMPARE_WITH_TIMEOUT(listed.size(), 1, 60000);
        QStringList entries = f.tree.entries();
        entries.sort();
        QCOMPARE(entries, renamed);
        QVERIFY(entries.contains(u"notes.txt"_s)); // no value: kept its name
    }

    void cancelStopsTheReading()
    {
        ShellFixture f;
        makePhotos(f, 3000);
        QVERIFY(startListing(f, f.tree.root()));
        MetadataCache::shared().clear();
        ListController &controller = f.view()->controller();
        controller.computeNewNames(withTemplate(u"{photo.taken}{ext}"_s));
        QVERIFY(controller.canCancel());
        const quint64 readBefore = MetadataCache::shared().filesRead();
        controller.cancelWork();
        QVERIFY(!controller.newNamesPending());
        QVERIFY(!controller.canCancel());
        // Not every file was read: the worker stopped (cancelWork returns once it has ended).
        QVERIFY(MetadataCache::shared().filesRead() - readBefore < 3000);
        const FileRows &rows = f.view()->fileModel().rows();
        size_t cancelled = 0;
        for (size_t i = 0; i < rows.rows.size(); ++i)
            if (rows.problems.kind(i) == RowProblem::MissingValue) {
                QCOMPARE(rows.problems.detail(i), u"reading cancelled"_s);
                QCOMPARE(rows.rows[i].newName, rows.rows[i].loadedName);
                ++cancelled;
            }
        QVERIFY(cancelled > 0);
    }
};

QTEST_MAIN(TestTemplatePreview)
#include "tst_TemplatePreview.moc"
