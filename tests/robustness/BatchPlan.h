#pragma once

#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// One random batch on a real folder: a random tree under root/listed, a sibling folder
// root/outside that no rename may touch, the rows as the loader lists them, a random
// parameter set, random check marks, and planted trouble in the new names. After the
// preview, mutate() changes the folder the way another program might.
class BatchPlan
{
public:
    BatchPlan(quint64 rngSeed, const QByteArray &root);

    // Builds the folders and files; false when the file system refused a step.
    bool createTree();
    // Lists root/listed with the plan's filters, computes and plants the new names.
    void preview(FileRows &rows);
    // Deletes, creates or replaces files between the preview and the rename.
    void mutate(const FileRows &rows);

    int subFolderSetting() const { return m_subFolderSetting; }
    bool displayHidden() const { return m_displayHidden; }
    bool displayReadOnly() const { return m_displayReadOnly; }
    QByteArray listedRoot() const { return m_root + "/listed"; }
    QByteArray outsideRoot() const { return m_root + "/outside"; }
    const RenameParameters &parameters() const { return m_params; }
    // What was planted and mutated, for a failure message.
    const QStringList &notes() const { return m_notes; }
    // Set by preview(): what the rule lost of a loaded name, or empty.
    const QString &ruleLostBytes() const { return m_ruleLostBytes; }

private:
    QByteArray randomName();
    QByteArray uniqueContent();
    bool writeFile(const QByteArray &path, const QByteArray &content, bool readOnly = false);
    void randomParameters();
    void plantTrouble(FileRows &rows);
    QString hostileName();
    int pick(int bound) { return int(m_rng.bounded(bound)); }
    bool chance(int percent) { return pick(100) < percent; }

    QRandomGenerator m_rng;
    quint64 m_seed;
    QByteArray m_root;
    int m_contentCounter = 0;
    int m_subFolderSetting = 0;
    bool m_displayHidden = false;
    bool m_displayReadOnly = false;
    RenameParameters m_params;
    QStringList m_notes;
    QString m_ruleLostBytes;
};
