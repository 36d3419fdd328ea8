#include "app/window/PhotoListModel.h"

#include <algorithm>
#include <climits>

#include <QDir>

#include "convert/PhotoPaths.h"

QStringList PhotoListModel::Add(const QList<BatchPhoto>& photos)
{
    QList<Row> added;
    QStringList paths;
    for (const BatchPhoto& photo : photos) {
        // Cleaned as text alone: a folder of thousands costs no file system call per photo here.
        const QString path = QDir::cleanPath(QDir::isAbsolutePath(photo.path) ? photo.path
                                                                             : QDir::current().absoluteFilePath(photo.path));
        if (rowOfPath_.contains(path))
            continue;
        Row row;
        row.photo = {path, photo.addedFolder};
        row.name = FolderBelow(photo.addedFolder, path) + path.mid(path.lastIndexOf(u'/') + 1);
        rowOfPath_.insert(path, static_cast<int>(rows_.size() + added.size()));
        added.append(row);
        paths << path;
    }
    if (added.isEmpty())
        return paths;
    // One insertion for the lot: a folder of thousands is listed at once.
    beginInsertRows({}, static_cast<int>(rows_.size()), static_cast<int>(rows_.size() + added.size() - 1));
    rows_ += added;
    endInsertRows();
    return paths;
}

void PhotoListModel::Remove(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= rows_.size(); }),
               rows.end());
    // Each run of neighbouring rows at once, from the last: all of thousands selected go in one step.
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] - 1)
            ++j;
        const int first = rows[j];
        const int last = rows[i];
        beginRemoveRows({}, first, last);
        rows_.remove(first, last - first + 1);
        endRemoveRows();
        i = j + 1;
    }
    Reindex();
}

void PhotoListModel::Clear()
{
    beginResetModel();
    rows_.clear();
    rowOfPath_.clear();
    endResetModel();
}

void PhotoListModel::SetSizes(const QList<QPair<QString, QSize>>& sizes)
{
    int first = INT_MAX;
    int last = -1;
    for (const auto& [path, size] : sizes) {
        const auto found = rowOfPath_.constFind(path);
        if (found == rowOfPath_.constEnd())
            continue;
        rows_[*found].size = size;
        first = std::min(first, *found);
        last = std::max(last, *found);
    }
    if (last >= 0)
        Q_EMIT dataChanged(index(first, SizeColumn), index(last, SizeColumn));
}

void PhotoListModel::SetState(int row, State state, const QString& message)
{
    if (row < 0 || row >= rows_.size())
        return;
    rows_[row].state = state;
    rows_[row].message = message;
    Q_EMIT dataChanged(index(row, StatusColumn), index(row, StatusColumn));
}

void PhotoListModel::ResetStates()
{
    for (Row& row : rows_) {
        row.state = State::Waiting;
        row.message.clear();
    }
    if (!rows_.isEmpty())
        Q_EMIT dataChanged(index(0, StatusColumn), index(static_cast<int>(rows_.size()) - 1, StatusColumn));
}

QList<BatchPhoto> PhotoListModel::Photos() const
{
    QList<BatchPhoto> photos;
    photos.reserve(rows_.size());
    for (const Row& row : rows_)
        photos.append(row.photo);
    return photos;
}

int PhotoListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PhotoListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PhotoListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Row& row = rows_[index.row()];
    if (role == Qt::ToolTipRole)
        return index.column() == NameColumn ? row.photo.path : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return row.name;
    case SizeColumn:
        if (!row.size.isValid())
            return QString();
        return row.size.isEmpty() ? tr("unreadable") : QStringLiteral("%1 x %2").arg(row.size.width()).arg(row.size.height());
    case StatusColumn:
        return StatusText(row);
    }
    return {};
}

QVariant PhotoListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Photo");
    case SizeColumn:
        return tr("Size");
    case StatusColumn:
        return tr("Status");
    }
    return {};
}

QString PhotoListModel::StatusText(const Row& row) const
{
    switch (row.state) {
    case State::Waiting:
        return tr("waiting");
    case State::Converting:
        return tr("converting");
    case State::Converted:
        // What it was converted despite, such as a caption made smaller to fit.
        return row.message.isEmpty() ? tr("converted") : tr("converted; %1").arg(row.message);
    case State::Failed:
        return tr("failed: %1").arg(row.message);
    case State::Kept:
        return tr("kept: its output exists");
    case State::NotConverted:
        return tr("not converted");
    }
    return {};
}

void PhotoListModel::Reindex()
{
    rowOfPath_.clear();
    for (int i = 0; i < rows_.size(); ++i)
        rowOfPath_.insert(rows_[i].photo.path, i);
}
