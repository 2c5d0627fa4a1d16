#include "Scene.h"

#include "SceneKit.h"

#include <QMap>
#include <array>

namespace clip {

namespace {

// Settings every shot takes: where the presenter stands and what they do.
constexpr const char* kSharedKeys = "host:text act:text";

struct Named {
    const char* name;
    int value;
};
constexpr Named kPlaces[] = {
    {"left", int(HostPlace::Left)}, {"right", int(HostPlace::Right)}, {"none", int(HostPlace::None)}};
constexpr Named kActs[] = {{"talk", int(Act::Talk)},   {"point", int(Act::Point)},
                           {"wave", int(Act::Wave)},   {"think", int(Act::Think)},
                           {"cheer", int(Act::Cheer)}, {"shrug", int(Act::Shrug)}};

template <size_t N> int lookUp(const Named (&table)[N], const QString& name, int fallback)
{
    for (const Named& n : table)
        if (name == QLatin1String(n.name))
            return n.value;
    return fallback;
}

template <size_t N> QStringList namesOf(const Named (&table)[N])
{
    QStringList out;
    for (const Named& n : table)
        out.append(QString::fromLatin1(n.name));
    return out;
}

std::array<std::span<const SceneKind>, 4> groups()
{
    return {moneyScenes(), chartScenes(), creditScenes(), planScenes()};
}

// "name:kind" pairs of a keys string; kinds: number, numbers, text, texts, icons.
QMap<QString, QString> keyKinds(const char* keys)
{
    QMap<QString, QString> out;
    for (const QString& pair : QString::fromLatin1(keys).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out.insert(pair.section(QLatin1Char(':'), 0, 0), pair.section(QLatin1Char(':'), 1));
    return out;
}

} // namespace

const SceneKind* findScene(const QString& name)
{
    for (const auto& group : groups())
        for (const SceneKind& k : group)
            if (name == QLatin1String(k.name))
                return &k;
    return nullptr;
}

QStringList sceneNames()
{
    QStringList out;
    for (const auto& group : groups())
        for (const SceneKind& k : group)
            out.append(QString::fromLatin1(k.name));
    out.sort();
    return out;
}

bool checkParams(const SceneKind& kind, const SceneParams& params, QString* error)
{
    QMap<QString, QString> kinds = keyKinds(kind.keys);
    kinds.insert(keyKinds(kSharedKeys));
    for (const QString& key : params.keys()) {
        if (!kinds.contains(key)) {
            *error =
                QStringLiteral("the scene %1 takes no %2= (it takes %3)")
                    .arg(QString::fromLatin1(kind.name), key, kinds.keys().join(QStringLiteral("= ")) + '=');
            return false;
        }
        const QString k = kinds.value(key);
        if ((k == QLatin1String("number") || k == QLatin1String("numbers")) && !params.isNumeric(key)) {
            *error =
                QStringLiteral("%1= of the scene %2 must be %3").arg(key, QString::fromLatin1(kind.name), k);
            return false;
        }
        if (k == QLatin1String("icons"))
            for (const QString& name : params.list(key))
                if (!knownIcon(name)) {
                    *error = QStringLiteral("no picture \"%1\" (pictures: %2)")
                                 .arg(name, iconNames().join(QStringLiteral(", ")));
                    return false;
                }
        if (k == QLatin1String("number") && params.list(key).size() != 1) {
            *error = QStringLiteral("%1= takes one number").arg(key);
            return false;
        }
    }
    if (params.has(QStringLiteral("host")) && lookUp(kPlaces, params.text(QStringLiteral("host")), -1) < 0) {
        *error = QStringLiteral("host= is one of %1").arg(namesOf(kPlaces).join(QStringLiteral(", ")));
        return false;
    }
    if (params.has(QStringLiteral("act")) && lookUp(kActs, params.text(QStringLiteral("act")), -1) < 0) {
        *error = QStringLiteral("act= is one of %1").arg(namesOf(kActs).join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

HostPlace hostPlace(const SceneKind& kind, const SceneParams& params)
{
    return HostPlace(lookUp(kPlaces, params.text(QStringLiteral("host")), int(kind.host)));
}

Act hostAct(const SceneKind& kind, const SceneParams& params)
{
    return Act(lookUp(kActs, params.text(QStringLiteral("act")), int(kind.act)));
}

} // namespace clip
