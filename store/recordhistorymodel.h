// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDHISTORYMODEL_H
#define LUMETRA_RECORDHISTORYMODEL_H

#include "historyfilter.h"
#include "historyrow.h"
#include "recordcableid.h"
#include "storelocation.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class RecordStore;
class StoreThread;

// The newest stored records the filter lets through, read on a thread of its
// own, so that a slow server never holds up a window; the rows shown stay
// until the next read has its own. At most rowLimit: a server hands over
// every row of a result at once, and a keystroke in the filter must not wait
// for a hundred thousand of them. The first screenful comes first, the rest
// after it. The store is only read, whatever it is.
class RecordHistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int rowLimit = 5000;
    static constexpr int firstRows = 200;

    enum Column {
        Key,
        Received,
        RecordNumber,
        CableId,
        Company,
        Operator,
        SerialNumber,
        Wavelength,
        Verdict,
        ColumnCount
    };

    explicit RecordHistoryModel(const StoreLocation &location, QObject *parent = nullptr);
    ~RecordHistoryModel() override;
    // For a window that closes: the model deletes itself once its read has
    // ended, the application holding it meanwhile, so that the window waits
    // for no server.
    void release();

    // Reads again with filter, or as the filter stands.
    void show(const HistoryFilter &filter);
    void refresh();
    bool isReading() const { return reading; }
    // Why the last read failed; empty when it did not.
    QString problem() const { return why; }
    QString keyAt(int row) const;
    // The store's jobs, as the last read found them.
    QStringList jobNames() const { return jobs.names; }
    // More records match than are shown.
    bool isCut() const { return rows.size() >= rowLimit; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A read began, or ended with its rows or its problem.
    void readingChanged(bool reading);
    // The first rows of a read are shown, the others on their way.
    void firstRowsShown();

private:
    struct Jobs
    {
        QHash<QString, RecordCableId> ids; // of the rows, by key
        QStringList names; // of the store
    };
    void read();
    static bool readJobs(
        RecordStore &store, const QVector<HistoryRow> &read, Jobs *jobs, QString *problem);
    void take(const QVector<HistoryRow> &found, const Jobs &foundJobs, const QString &problem,
        bool complete);

    std::unique_ptr<StoreThread> thread;
    HistoryFilter wanted;
    QVector<HistoryRow> rows;
    Jobs jobs;
    QString why;
    bool reading = false;
    bool readAgain = false;
    bool partShown = false; // the first rows of the read under way
    bool released = false;
};

#endif
