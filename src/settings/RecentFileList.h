#pragma once

#include <QObject>
#include <QStringList>

/**
 * The four most recently opened or saved documents, most recent first, kept
 * in the settings store so the list survives the program. Read afresh on
 * every call, so two windows never disagree.
 */
class RecentFileList : public QObject
{
    Q_OBJECT
public:
    static constexpr int Size = 4;

    explicit RecentFileList(QObject* parent = nullptr);

    QStringList files() const;
    /// Puts `path` first, dropping an older entry of it and the fifth one.
    void add(const QString& path);
    /// Drops `path`, for a file that could not be opened.
    void remove(const QString& path);

signals:
    void changed();

private:
    void store(const QStringList& files);
};
