#pragma once

#include <QStringList>

class QSettings;

// The files opened or saved last, most recent first, at most five; kept in
// the user's settings between sessions.
class RecentFiles {
public:
    static constexpr int kMaxEntries = 5;

    void Load(const QSettings& settings);
    void Store(QSettings& settings) const;

    // Puts the path first (once) and drops the oldest beyond five.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
