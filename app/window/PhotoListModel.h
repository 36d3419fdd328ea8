#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

#include "batch/BatchConversion.h"

// The photos of the Convert Several Photos window: each listed once (by its absolute path), with
// its pixel size once read and what became of it.
class PhotoListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, SizeColumn, StatusColumn, ColumnCount };
    enum class State { Waiting, Converting, Converted, Failed, Kept, NotConverted };
    struct Row {
        BatchPhoto photo;  // path absolute
        QString name;      // as shown: its place below an added folder, else its file name
        QSize size;        // invalid until read; empty when it could not be read
        State state = State::Waiting;
        QString message;   // why it failed
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Adds the photos not listed yet; returns their paths, for their sizes to be read.
    QStringList Add(const QList<BatchPhoto>& photos);
    void Remove(QList<int> rows);
    void Clear();
    // Sizes read, by path; a photo no longer listed is passed over.
    void SetSizes(const QList<QPair<QString, QSize>>& sizes);
    void SetState(int row, State state, const QString& message = QString());
    // Every row waiting again, before a new Convert All.
    void ResetStates();

    const Row& At(int row) const { return rows_[row]; }
    QList<BatchPhoto> Photos() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString StatusText(const Row& row) const;
    void Reindex();

    QList<Row> rows_;
    QHash<QString, int> rowOfPath_;
};
