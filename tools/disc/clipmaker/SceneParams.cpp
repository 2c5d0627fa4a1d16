#include "SceneParams.h"

#include <QRegularExpression>

namespace clip {

bool SceneParams::parse(const QString& text, SceneParams& out, QString* error)
{
    out.values_.clear();
    static const QRegularExpression key(QStringLiteral("(?:^|\\s)([a-z]+)="));
    const QString s = text.trimmed();
    auto it = key.globalMatch(s);
    QVector<QRegularExpressionMatch> found;
    while (it.hasNext())
        found.append(it.next());
    if (found.isEmpty() ? !s.isEmpty() : found.first().capturedStart() != 0) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a key=value setting")
                         .arg(s.left(found.isEmpty() ? -1 : found.first().capturedStart()).trimmed());
        return false;
    }
    for (int i = 0; i < found.size(); ++i) {
        const int from = found[i].capturedEnd();
        const int to = i + 1 < found.size() ? found[i + 1].capturedStart() : s.size();
        const QString name = found[i].captured(1);
        const QString value = s.mid(from, to - from).trimmed();
        if (value.isEmpty() || out.values_.contains(name)) {
            if (error)
                *error = value.isEmpty() ? QStringLiteral("%1= has no value").arg(name)
                                         : QStringLiteral("%1= is given twice").arg(name);
            return false;
        }
        out.values_.insert(name, value);
    }
    return true;
}

QString SceneParams::text(const QString& key, const QString& fallback) const
{
    return values_.value(key, fallback);
}

QStringList SceneParams::list(const QString& key) const
{
    QStringList out;
    if (!values_.contains(key))
        return out;
    for (const QString& part : values_.value(key).split(QLatin1Char(',')))
        out.append(part.trimmed());
    return out;
}

qreal SceneParams::number(const QString& key, qreal fallback) const
{
    bool ok = false;
    const qreal v = values_.value(key).toDouble(&ok);
    return ok ? v : fallback;
}

QVector<qreal> SceneParams::numbers(const QString& key) const
{
    QVector<qreal> out;
    for (const QString& part : list(key))
        out.append(part.toDouble());
    return out;
}

bool SceneParams::isNumeric(const QString& key) const
{
    for (const QString& part : list(key)) {
        bool ok = false;
        part.toDouble(&ok);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace clip
