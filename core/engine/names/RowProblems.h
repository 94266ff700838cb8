#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

#include <mutex>
#include <utility>
#include <vector>

// Why a row's new name cannot be used as it stands. The preview marks such rows and the
// batch leaves them as they are.
enum class RowProblem : quint8
{
    None,
    Duplicate,    // another row gets the same name in the same folder
    Exists,       // a file that is not renamed away already has the name
    Invalid,      // the name is empty, ".", "..", holds '/' or is longer than 255 bytes
    RuleFailed,   // the rule could not be applied to this row (detail says why)
    MissingValue, // a value the rule needs is missing for this row (detail names it)
};

// A rule's report on one row: None when it computed the name.
struct RuleFailure
{
    RowProblem problem = RowProblem::None;
    QString detail;
};

// The problems of every row, beside FileRows::rows and indexed like it. Empty until a
// computation marks a row. Rows are marked from several threads at once, each on its own
// rows: the kinds are one byte per row, the rare details go under a lock.
class RowProblems
{
public:
    RowProblems() = default;
    RowProblems(const RowProblems &other) { *this = other; }
    RowProblems &operator=(const RowProblems &other)
    {
        if (this != &other) {
            std::scoped_lock lock(m_lock, other.m_lock);
            m_kinds = other.m_kinds;
            m_details = other.m_details;
        }
        return *this;
    }
    RowProblems(RowProblems &&other) noexcept { *this = std::move(other); }
    RowProblems &operator=(RowProblems &&other) noexcept
    {
        if (this != &other) {
            std::scoped_lock lock(m_lock, other.m_lock);
            m_kinds = std::move(other.m_kinds);
            m_details = std::move(other.m_details);
        }
        return *this;
    }

    void clear()
    {
        m_kinds.clear();
        m_details.clear();
    }
    // Every row fine, for n rows.
    void reset(std::size_t n)
    {
        m_kinds.assign(n, quint8(RowProblem::None));
        m_details.clear();
    }
    bool isEmpty() const { return m_kinds.empty(); }
    std::size_t size() const { return m_kinds.size(); }

    // Every row's RowProblem as one byte, size() of them: for reading many rows at once.
    const quint8 *kinds() const { return m_kinds.data(); }
    RowProblem kind(std::size_t row) const
    {
        return row < m_kinds.size() ? RowProblem(m_kinds[row]) : RowProblem::None;
    }
    QString detail(std::size_t row) const
    {
        std::lock_guard lock(m_lock);
        return m_details.value(row);
    }
    // Marks row, or clears its mark with RowProblem::None (reset() must have sized the table).
    void set(std::size_t row, RowProblem problem, const QString &detail = {})
    {
        const bool hadDetail = m_kinds[row] != quint8(RowProblem::None);
        m_kinds[row] = quint8(problem);
        if (!detail.isEmpty() || hadDetail) {
            std::lock_guard lock(m_lock);
            if (detail.isEmpty())
                m_details.remove(row);
            else
                m_details.insert(row, detail);
        }
    }
    std::size_t count(RowProblem problem) const
    {
        std::size_t n = 0;
        for (quint8 k : m_kinds)
            n += k == quint8(problem);
        return n;
    }

private:
    std::vector<quint8> m_kinds;
    QHash<std::size_t, QString> m_details;
    mutable std::mutex m_lock;
};
