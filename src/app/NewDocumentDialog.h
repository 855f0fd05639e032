#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

/// File New: a list of the document kinds to choose one from.
class NewDocumentDialog : public QDialog
{
    Q_OBJECT
public:
    NewDocumentDialog(const QStringList& kinds, QWidget* parent = nullptr);

    /// The row chosen; -1 for none.
    int chosen() const;

private:
    QListWidget* m_list;
};
