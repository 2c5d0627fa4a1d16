// The script of one lesson clip: what is said and what is shown when.
//
//   # a comment line
//   module: 2                   (optional; else the first digit of the clip's name)
//   host: grace                 (optional; else the module's presenter)
//   title: Build a | Monthly Budget
//   Narration spoken while the title is on screen.
//
//   show: bars values=30,20,15 labels=Home,Food,Fun
//   words: List your | spending
//   Narration spoken while these words are on screen.
//   words: Use real | numbers
//   More narration; the scene goes on, the words change.
//
// A shot ("title:" or "show:") holds one or more beats; a beat is the words on
// screen and the narration spoken meanwhile. `|` splits words into two rows.
#pragma once

#include "SceneParams.h"

#include <QString>
#include <QVector>

namespace clip {

struct Beat {
    QString words; // what the screen says, rows split by '|'
    QString say;   // the narration, lines joined
    int line = 0;
};

struct Shot {
    QString scene; // "title" for the title shot
    SceneParams params;
    QVector<Beat> beats;
    int line = 0;
};

struct ClipScript {
    int module = 0; // 1..4
    QString host;   // presenter name
    QVector<Shot> shots;

    QString title() const { return shots.isEmpty() ? QString() : shots.first().beats.first().words; }
    int beatCount() const;
};

// Parses and checks a clip script; `clipName` ("2_2_1") gives the module when
// the script has no "module:" line. False with a message naming the line.
bool parseClipScript(const QString& text, const QString& clipName, ClipScript& out, QString* error);

// The module's own presenter (a name the artwork's presenters know).
QString defaultHost(int module);

} // namespace clip
