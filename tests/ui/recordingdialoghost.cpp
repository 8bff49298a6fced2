// SPDX-License-Identifier: MIT
#include "recordingdialoghost.h"

#include <QUrl>

namespace {
class RecordingProgress : public ProgressIndicator
{
public:
    explicit RecordingProgress(RecordingDialogHost &host)
        : host(host)
    {
    }
    bool step(int, int) override
    {
        return host.cancelAtStep < 0 || ++host.progressSteps <= host.cancelAtStep;
    }

private:
    RecordingDialogHost &host;
};
} // namespace

void RecordingDialogHost::record(const DialogCall &call)
{
    calls.append(call);
    if (onShow)
        onShow(call);
}

QString RecordingDialogHost::answer()
{
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

void RecordingDialogHost::information(QWidget *parent, const QString &title, const QString &text)
{
    record({ QStringLiteral("information"), parent, title, text, {}, {}, {}, {} });
}

void RecordingDialogHost::warning(QWidget *parent, const QString &title, const QString &text)
{
    record({ QStringLiteral("warning"), parent, title, text, {}, {}, {}, {} });
}

void RecordingDialogHost::critical(QWidget *parent, const QString &title, const QString &text)
{
    record({ QStringLiteral("critical"), parent, title, text, {}, {}, {}, {} });
}

void RecordingDialogHost::about(QWidget *parent, const QString &title, const QString &text)
{
    record({ QStringLiteral("about"), parent, title, text, {}, {}, {}, {} });
}

bool RecordingDialogHost::question(QWidget *parent, const QString &title, const QString &text)
{
    record({ QStringLiteral("question"), parent, title, text, {}, {}, {}, {} });
    return !questionAnswers.isEmpty() && questionAnswers.takeFirst();
}

QString RecordingDialogHost::getSaveFileName(QWidget *parent, const QString &caption,
    const QString &dir, const QString &filter, const QString &defaultSuffix)
{
    record({ QStringLiteral("save"), parent, caption, {}, dir, filter, defaultSuffix, {} });
    return answer();
}

QString RecordingDialogHost::getOpenFileName(QWidget *parent, const QString &caption,
    const QString &dir, const QString &filter, const QString &defaultSuffix)
{
    record({ QStringLiteral("open"), parent, caption, {}, dir, filter, defaultSuffix, {} });
    return answer();
}

QString RecordingDialogHost::getText(
    QWidget *parent, const QString &title, const QString &label, const QString &text)
{
    record({ QStringLiteral("text"), parent, title, label, text, {}, {}, {} });
    return textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
}

QString RecordingDialogHost::getItem(QWidget *parent, const QString &title, const QString &label,
    const QStringList &items, const QString &current)
{
    record({ QStringLiteral("item"), parent, title, label, current, {}, {}, items });
    const QString chosen = textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
    return items.contains(chosen) ? chosen : QString();
}

bool RecordingDialogHost::openUrl(const QUrl &url)
{
    record({ QStringLiteral("openUrl"), nullptr, {}, url.toString(), {}, {}, {}, {} });
    return true;
}

std::unique_ptr<ProgressIndicator> RecordingDialogHost::progress(QWidget *, const QString &label)
{
    progressLabels << label;
    return std::make_unique<RecordingProgress>(*this);
}
