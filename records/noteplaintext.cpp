// SPDX-License-Identifier: MIT
#include "noteplaintext.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QString decodeEntities(const QString &text)
{
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);"));
    QString decoded;
    int from = 0;
    auto match = entity.globalMatch(text);
    while (match.hasNext()) {
        const QRegularExpressionMatch m = match.next();
        decoded += text.midRef(from, m.capturedStart() - from);
        from = m.capturedEnd();
        const QString name = m.captured(1);
        bool ok = false;
        uint code = 0;
        if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            code = name.midRef(2).toUInt(&ok, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.midRef(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = char32_t(code == 0xA0 ? ' ' : code);
            decoded += QString::fromUcs4(&c, 1);
            continue;
        }
        static const QHash<QString, QString> named = { { "lt", "<" }, { "gt", ">" }, { "amp", "&" },
            { "quot", "\"" }, { "apos", "'" }, { "nbsp", " " } };
        decoded += named.value(name, m.captured(0));
    }
    decoded += text.midRef(from);
    return decoded;
}

bool isBlock(const QString &tag)
{
    static const QStringList blocks = { "p", "div", "li", "ul", "ol", "table", "tr", "h1", "h2",
        "h3", "h4", "h5", "h6", "blockquote", "pre", "body", "html" };
    return blocks.contains(tag);
}

} // namespace

QString notePlainText(const QString &html)
{
    QString body = html;
    static const QRegularExpression head(QStringLiteral("<head[\\s>].*</head\\s*>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    body.remove(head);
    static const QRegularExpression comment(
        QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    body.remove(comment);

    // A line break that ends a paragraph adds no line, except to an empty one.
    QStringList paragraphs;
    QString current;
    bool open = false;
    const auto closeParagraph = [&] {
        if (!open)
            return;
        if (current.endsWith(QLatin1Char('\n')))
            current.chop(1);
        paragraphs << current;
        current.clear();
        open = false;
    };
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z0-9!]*)[^>]*>"));
    int from = 0;
    auto match = tag.globalMatch(body);
    const auto addText = [&](const QString &raw) {
        QString text = raw;
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        if (!open && text.trimmed().isEmpty())
            return; // layout between blocks
        current += decodeEntities(text);
        open = true;
    };
    while (match.hasNext()) {
        const QRegularExpressionMatch m = match.next();
        addText(body.mid(from, m.capturedStart() - from));
        from = m.capturedEnd();
        const QString name = m.captured(2).toLower();
        if (name == QLatin1String("br")) {
            current += QLatin1Char('\n');
            open = true;
        } else if (isBlock(name)) {
            closeParagraph();
        }
    }
    addText(body.mid(from));
    closeParagraph();
    return paragraphs.join(QLatin1Char('\n'));
}
