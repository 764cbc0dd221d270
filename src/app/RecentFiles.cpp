#include "app/RecentFiles.h"

#include <QSettings>

namespace {

const char* const kSettingsKey = "RecentFiles";

}  // namespace

void RecentFiles::Load(const QSettings& settings)
{
    m_files.clear();
    for (const QString& path : settings.value(QLatin1String(kSettingsKey)).toStringList())
        if (!path.isEmpty() && !m_files.contains(path) && m_files.size() < kMaxEntries)
            m_files.append(path);
}

void RecentFiles::Store(QSettings& settings) const { settings.setValue(QLatin1String(kSettingsKey), m_files); }

void RecentFiles::Add(const QString& path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kMaxEntries)
        m_files.removeLast();
}

void RecentFiles::Remove(const QString& path) { m_files.removeAll(path); }
