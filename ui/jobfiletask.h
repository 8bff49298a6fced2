// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBFILETASK_H
#define LUMETRA_JOBFILETASK_H

#include "progressindicator.h"
#include "progressstep.h"
#include "storelocation.h"

#include <QObject>
#include <QString>
#include <memory>

class StoreThread;

// A job's report or workbook written for the window: the job read on a
// store connection of the task's own and the file drawn there too, so that
// neither a slow server nor a long job holds up the window. Each step waits
// for the window's progress to answer, so that a Cancel is never overtaken
// by a file already written.
class JobFileTask : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Report, Workbook };

    // Starts at once; progress is the window's and is asked on its thread.
    JobFileTask(const StoreLocation &location, Kind kind, const QString &job, const QString &path,
        std::unique_ptr<ProgressIndicator> progress, QObject *parent);
    // A task still running is cancelled: it leaves no file.
    ~JobFileTask() override;

signals:
    // why: what failed; cutTexts: the workbook's header texts cut to a cell's limit.
    void finished(WriteOutcome outcome, const QString &why, int cutTexts);

private:
    struct Steps;
    std::shared_ptr<Steps> steps;
    std::unique_ptr<ProgressIndicator> progress;
    std::unique_ptr<StoreThread> thread;
};

#endif
