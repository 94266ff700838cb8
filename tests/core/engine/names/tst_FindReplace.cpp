#include "core/engine/names/FindReplace.h"
#include "core/engine/names/NewNameRule.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

Q_DECLARE_METATYPE(RenameParameters)

// Find and replace with its switches: plain or regular expression, case, first match only.
class FindReplaceTest : public QObject
{
    Q_OBJECT

private slots:
    void replaces_data();
    void replaces();
    void invalidPatternsSayWhereAndWhy_data();
    void invalidPatternsSayWhereAndWhy();
    void invalidPatternLeavesEveryRowMarked();
    void catastrophicPatternFailsTheRowQuickly();
    void threadsShareOneExpression();
};

namespace {

enum Switch
{
    Plain = 0,
    Regex = 1,
    IgnoreCase = 2,
    FirstOnly = 4,
};

RenameParameters findReplace(const QString &find, const QString &replace, int switches)
{
    RenameParameters p;
    p.checkFindAndReplace = true;
    p.findText = find;
    p.replaceText = replace;
    p.findRegularExpression = (switches & Regex) != 0;
    p.findIgnoreCase = (switches & IgnoreCase) != 0;
    p.findFirstOnly = (switches & FirstOnly) != 0;
    return p;
}

const QString kEmoji = QStringLiteral(u"\U0001F600"); // a pair of surrogates

} // namespace

void FindReplaceTest::replaces_data()
{
    QTest::addColumn<RenameParameters>("params");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, const QString &find, const QString &replace, int switches,
                        const QString &name, const QString &expected) {
        QTest::newRow(tag) << findReplace(find, replace, switches) << name << expected;
    };
    // Plain text with the new switches.
    row("plain ignore case", u"img"_qs, u"x"_qs, IgnoreCase, u"IMG_1.Img"_qs, u"x_1.x"_qs);
    row("plain first only", u"a"_qs, u"b"_qs, FirstOnly, u"a.a.a"_qs, u"b.a.a"_qs);
    row("plain first only, ignore case", u"A"_qs, u"-"_qs, FirstOnly | IgnoreCase, u"xaXA"_qs,
        u"x-XA"_qs);
    row("plain regex characters are text", u"a.b"_qs, u"c"_qs, Plain, u"axb a.b"_qs, u"axb c"_qs);
    row("plain first only skips half an emoji", u"\xde00"_qs, u"x"_qs, FirstOnly,
        kEmoji + u"\xde00"_qs, kEmoji + u"x"_qs);
    // Groups and references.
    row("groups swapped", u"(\\w+)-(\\w+)"_qs, u"$2-$1"_qs, Regex, u"one-two.txt"_qs,
        u"two-one.txt"_qs);
    row("whole match", u"\\d+"_qs, u"[$0]"_qs, Regex, u"a1b22"_qs, u"a[1]b[22]"_qs);
    row("named group", u"(?<year>\\d{4})-(?<n>\\d+)"_qs, u"${n}_${year}"_qs, Regex,
        u"2024-7.jpg"_qs, u"7_2024.jpg"_qs);
    row("braced number", u"(a)"_qs, u"${1}1"_qs, Regex, u"a"_qs, u"a1"_qs);
    row("two-digit group", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)"_qs, u"$10$1"_qs, Regex,
        u"abcdefghij"_qs, u"ja"_qs);
    row("dollar dollar is a dollar", u"price"_qs, u"$$5"_qs, Regex, u"price.txt"_qs, u"$5.txt"_qs);
    row("lone dollar stays", u"x"_qs, u"a$b$"_qs, Regex, u"x"_qs, u"a$b$"_qs);
    row("unset group is empty", u"(a)|(b)"_qs, u"[$1$2]"_qs, Regex, u"ab"_qs, u"[a][b]"_qs);
    row("no match keeps the name", u"z+"_qs, u"y"_qs, Regex, u"abc"_qs, u"abc"_qs);
    // The switches with an expression.
    row("regex first only", u"\\d"_qs, u"#"_qs, Regex | FirstOnly, u"a1b2"_qs, u"a#b2"_qs);
    row("regex ignore case", u"[a-c]+"_qs, u"-"_qs, Regex | IgnoreCase, u"xAbCy"_qs, u"x-y"_qs);
    row("regex ignore case beyond ASCII", u"é"_qs, u"e"_qs, Regex | IgnoreCase, u"CAFÉ"_qs,
        u"CAFe"_qs);
    row("regex matches case", u"img"_qs, u"x"_qs, Regex, u"IMG"_qs, u"IMG"_qs);
    row("word characters beyond ASCII", u"^\\w+"_qs, u"X"_qs, Regex, u"Ærø.txt"_qs, u"X.txt"_qs);
    // Empty matches end and never loop.
    row("insert at start", u"^"_qs, u"new_"_qs, Regex, u"a.txt"_qs, u"new_a.txt"_qs);
    row("insert at end", u"$"_qs, u"!"_qs, Regex, u"ab"_qs, u"ab!"_qs);
    row("empty match everywhere", u"x*"_qs, u"-"_qs, Regex, u"ab"_qs, u"-a-b-"_qs);
    row("empty and full matches", u"a*"_qs, u"-"_qs, Regex, u"baa"_qs, u"-b--"_qs);
    row("empty matches around an emoji", u"(?:)"_qs, u"|"_qs, Regex, kEmoji,
        u"|"_qs + kEmoji + u"|"_qs);
    // Characters beyond 16 bits and escaped bytes.
    row("dot takes an emoji whole", u"^."_qs, u"x"_qs, Regex, kEmoji + u"a"_qs, u"xa"_qs);
    row("dot takes an escaped byte", u"caf.\\."_qs, u"cafe."_qs, Regex, u"caf\xdce9.txt"_qs,
        u"cafe.txt"_qs);
    row("escaped byte outside the match", u"txt"_qs, u"md"_qs, Regex, u"\xdcff-\xdc80.txt"_qs,
        u"\xdcff-\xdc80.md"_qs);
    row("escaped byte inside a group", u"(.)-"_qs, u"$1$1"_qs, Regex,
        u"\xdce9-"
        u"a"_qs,
        u"\xdce9\xdce9"
        u"a"_qs);
    row("escaped byte in the expression", u"\xdce9"_qs, u"e"_qs, Regex, u"\xdce9\xdce8\xdce9"_qs,
        u"e\xdce8"
        u"e"_qs);
    row("other lone surrogate kept", u"a"_qs, u"b"_qs, Regex,
        u"\xd800"
        u"a"_qs,
        u"\xd800"
        u"b"_qs);
}

void FindReplaceTest::replaces()
{
    QFETCH(RenameParameters, params);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QVERIFY(!findPatternError(params));
    QString text = name;
    RuleFailure failure;
    QVERIFY(replaceMatches(params, text, &failure));
    QCOMPARE(failure.problem, RowProblem::None);
    QCOMPARE(text, expected);
}

void FindReplaceTest::invalidPatternsSayWhereAndWhy_data()
{
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing parenthesis")
        << u"(ab"_qs << QString()
        << u"invalid regular expression at position 3: missing closing parenthesis"_qs;
    QTest::newRow("position counts characters")
        << kEmoji + u"a**"_qs << QString()
        << u"invalid regular expression at position 3: quantifier does not follow a "
           "repeatable item"_qs;
    QTest::newRow("unknown group")
        << u"(a)"_qs << u"x$2"_qs
        << u"invalid replacement at position 1: the expression has no group 2"_qs;
    QTest::newRow("unknown name")
        << u"(?<a>x)"_qs << u"${b}"_qs
        << u"invalid replacement at position 0: the expression has no group named \"b\""_qs;
    QTest::newRow("unclosed brace")
        << u"a"_qs << u"ab${1"_qs
        << u"invalid replacement at position 2: \"${\" without its \"}\""_qs;
}

void FindReplaceTest::invalidPatternsSayWhereAndWhy()
{
    QFETCH(QString, find);
    QFETCH(QString, replace);
    QFETCH(QString, expected);
    const RenameParameters p = findReplace(find, replace, Regex);
    const std::optional<FindPatternError> error = findPatternError(p);
    QVERIFY(error);
    QCOMPARE(error->text(), expected);
    // The same text taken as plain text is fine.
    QVERIFY(!findPatternError(findReplace(find, replace, Plain)));
}

void FindReplaceTest::invalidPatternLeavesEveryRowMarked()
{
    RenameParameters p = findReplace(u"[a"_qs, u"b"_qs, Regex);
    p.checkNumberAtStart = true;
    p.checkUpperCase = true;
    RenameCounters counters = RenameCounters::from(p);
    RuleFailure failure;
    QCOMPARE(computeNewName(p, u"a.txt"_qs, true, counters, &failure), u"a.txt"_qs);
    QCOMPARE(failure.problem, RowProblem::RuleFailed);
    QVERIFY2(failure.detail.startsWith(u"invalid regular expression at position 2"_qs),
             qPrintable(failure.detail));
    QCOMPARE(counters.start.value, 2); // the next row keeps its own number
}

void FindReplaceTest::catastrophicPatternFailsTheRowQuickly()
{
    const RenameParameters p = findReplace(u"(a+)+$"_qs, u"x"_qs, Regex);
    const QString name = QString(200, u'a') + u'!';
    QElapsedTimer timer;
    timer.start();
    QString text = name;
    RuleFailure failure;
    QVERIFY(!replaceMatches(p, text, &failure));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(text, name);
    QCOMPARE(failure.problem, RowProblem::RuleFailed);
    QCOMPARE(failure.detail, u"the regular expression needs too much work on this name"_qs);
    // A name the expression handles fast still gets its new name.
    QString fine = u"aaa"_qs;
    QVERIFY(replaceMatches(p, fine));
    QCOMPARE(fine, u"x"_qs);
}

void FindReplaceTest::threadsShareOneExpression()
{
    // Each thread matches with its own match data, switching between two expressions.
    const RenameParameters digits = findReplace(u"(\\d+)"_qs, u"<$1>"_qs, Regex);
    const RenameParameters letters = findReplace(u"[a-z]"_qs, u"_"_qs, Regex | FirstOnly);
    std::atomic<int> wrong = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 2000; ++i) {
                QString a = u"x%1y"_qs.arg(i);
                QString b = a;
                replaceMatches(digits, a);
                replaceMatches(letters, b);
                if (a != u"x<%1>y"_qs.arg(i) || b != u"_%1y"_qs.arg(i))
                    ++wrong;
            }
        });
    for (std::thread &t : threads)
        t.join();
    QCOMPARE(wrong.load(), 0);
}

QTEST_GUILESS_MAIN(FindReplaceTest)
#include "tst_FindReplace.moc"
