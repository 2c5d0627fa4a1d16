// The settings of a scene on its "show:" line: key=value pairs, where a value
// runs to the next " key=" and lists are split by commas:
//   show: checklist items=Pay on time, Keep balances low mark=tick
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace clip {

class SceneParams {
public:
    // False with a message when the text is not a list of key=value pairs.
    static bool parse(const QString& text, SceneParams& out, QString* error);

    bool has(const QString& key) const { return values_.contains(key); }
    QStringList keys() const { return values_.keys(); }
    QString text(const QString& key, const QString& fallback = QString()) const;
    QStringList list(const QString& key) const;
    qreal number(const QString& key, qreal fallback) const;
    QVector<qreal> numbers(const QString& key) const;

    // Whether every value of `key` reads as a number.
    bool isNumeric(const QString& key) const;

private:
    QMap<QString, QString> values_;
};

} // namespace clip
