#include "Presenter.h"

#include "Paint.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace art {

Look presenterLook(const QString& who)
{
    Look l;
    l.shoes = QColor(40, 34, 30);
    if (who == QLatin1String("ana")) {
        l = {QColor(236, 196, 166), QColor(92, 52, 30), QColor(150, 34, 46), QColor(250, 244, 236), QColor(60, 50, 56),
             QColor(60, 30, 34), QStringLiteral("long"), true, false, false, false};
    } else if (who == QLatin1String("marcus")) {
        l = {QColor(150, 100, 70), QColor(30, 24, 22), QColor(70, 70, 84), QColor(232, 236, 246), QColor(52, 54, 64),
             QColor(34, 28, 26), QStringLiteral("short"), false, false, true, true};
        l.tie = true;
    } else if (who == QLatin1String("grace")) {
        l = {QColor(244, 210, 184), QColor(200, 150, 80), QColor(38, 74, 160), QColor(255, 255, 255), QColor(44, 50, 72),
             QColor(40, 36, 50), QStringLiteral("bun"), true, true, false, false};
    } else if (who == QLatin1String("david")) {
        l = {QColor(226, 184, 150), QColor(120, 120, 126), QColor(30, 44, 86), QColor(226, 236, 252), QColor(60, 64, 76),
             QColor(30, 26, 24), QStringLiteral("bald"), false, true, true, true};
    } else if (who == QLatin1String("elena")) {
        l = {QColor(210, 160, 120), QColor(40, 26, 20), QColor(128, 128, 30), QColor(252, 248, 236), QColor(70, 60, 50),
             QColor(70, 40, 30), QStringLiteral("curly"), false, false, false, false};
    } else if (who == QLatin1String("sam")) {
        l = {QColor(240, 204, 176), QColor(176, 90, 40), QColor(84, 86, 20), QColor(236, 240, 228), QColor(64, 70, 84),
             QColor(36, 30, 26), QStringLiteral("short"), false, false, false, true};
    } else if (who == QLatin1String("ruth")) {
        l = {QColor(120, 80, 56), QColor(28, 22, 20), QColor(34, 140, 60), QColor(252, 250, 240), QColor(50, 56, 60),
             QColor(40, 30, 26), QStringLiteral("bun"), true, false, false, false};
    } else {
        l = {QColor(232, 194, 162), QColor(70, 50, 36), QColor(18, 92, 38), QColor(240, 244, 236), QColor(80, 74, 66),
             QColor(50, 36, 28), QStringLiteral("short"), false, true, false, true};
    }
    return l;
}

Pose keyPose(qreal ns, qreal ne, qreal fs, qreal fe, qreal tilt, qreal turn, qreal mouth, qreal lean, qreal brows)
{
    return Pose{ns, ne, fs, fe, tilt, turn, mouth, false, lean, brows};
}

Pose blend(const Pose& a, const Pose& b, qreal t)
{
    Pose r = a;
    for (qreal Pose::*angle : {&Pose::nearShoulder, &Pose::nearElbow, &Pose::farShoulder, &Pose::farElbow,
                               &Pose::headTilt, &Pose::turn, &Pose::mouth, &Pose::lean, &Pose::brows})
        r.*angle = a.*angle + (b.*angle - a.*angle) * t;
    return r;
}

Pose presenterPose(int index, int count, bool roomy)
{
    // Greeting: stand, wave, gesture, turn to the board and point at it. With
    // room beside the board the far hand waves and the near one points across;
    // in a narrow place the gestures stay close to the body.
    const QVector<Pose> roomyStory = {
        keyPose(14, 8, 14, 8, 0, -0.2, 0),           // standing, smiling at the viewer
        keyPose(14, 8, 150, 30, -4, -0.3, 0.9, -1),  // hand up to wave
        keyPose(14, 8, 165, -30, 3, -0.3, 0.4, -1),  // wave the other way
        keyPose(14, 8, 150, 30, -4, -0.3, 1, -1),    // wave again, talking
        keyPose(60, 40, 60, 40, 0, 0, 0.8, 0, 1),    // arms open: welcome
        keyPose(14, 8, 22, 188, -5, -0.4, 0.2),      // hand to the chin: thinking
        keyPose(20, 10, 70, 70, 4, 0.2, 1),          // explaining with the far hand
        keyPose(60, 60, 20, 12, 6, 0.6, 0.6, 1),     // turning to the board
        keyPose(80, 12, 18, 14, 8, 0.8, 0.1, 1.5),   // pointing at the board
    };
    const QVector<Pose> narrowStory = {
        keyPose(14, 8, 14, 8, 0, -0.2, 0),             // standing, smiling at the viewer
        keyPose(35, 140, 14, 8, 4, -0.3, 0.9),         // hand up to wave
        keyPose(48, 112, 14, 8, -3, -0.3, 0.4),        // wave
        keyPose(35, 140, 14, 8, 4, -0.3, 1),           // wave again, talking
        keyPose(15, -95, 15, -95, 0, 0, 0.8, 0, 1),    // hands together
        keyPose(14, 8, 22, 188, -5, -0.4, 0.2),        // hand to the chin: thinking
        keyPose(14, 8, 30, 115, 4, 0.1, 1),            // explaining with the far hand
        keyPose(35, 130, 16, 10, 6, 0.6, 0.6, 1),      // turning to the board
        keyPose(40, 120, 16, 10, 8, 0.8, 0.1, 1.5),    // pointing up at the board
    };
    const QVector<Pose>& story = roomy ? roomyStory : narrowStory;
    // Each frame shows one of the key poses (in-between poses would swing the
    // arms across the board); repeated poses nod and talk.
    Pose pose;
    if (count <= 1)
        pose = story.last();
    else {
        const int k = int(std::lround(qreal(index) * (story.size() - 1) / (count - 1)));
        pose = story[k];
        const int firstOfKey = int(std::ceil((k - 0.5) * (count - 1) / (story.size() - 1)));
        if (index != firstOfKey)
            pose.headTilt += (index % 2 ? 3 : -3);
    }
    // Talking: the mouth opens and closes from frame to frame.
    if (index < count - 1)
        pose.mouth = std::max(pose.mouth, (index % 2) ? 0.9 : 0.15);
    else
        pose.mouth = 0;
    // Blink once in the middle of the clip.
    pose.blink = count > 4 && index == count / 2 - 1;
    return pose;
}

namespace {

void outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line, qreal w)
{
    p.setPen(QPen(line, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPointF dir(qreal deg, bool right)
{
    const qreal a = qDegreesToRadians(deg);
    return QPointF((right ? 1 : -1) * std::sin(a), std::cos(a));
}

} // namespace

void drawPresenter(QPainter& p, QPointF feet, qreal height, const Look& look, const Pose& pose, bool boardLeft)
{
    const qreal u = height / 100.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(feet);
    p.rotate(boardLeft ? -pose.lean : pose.lean);
    const QColor line = QColor(40, 30, 30, 200);
    const qreal lw = std::max<qreal>(1.0, u * 0.45);
    const qreal squeeze = 1 - 0.12 * std::abs(pose.turn);
    // Which screen side the near arm is on: the board's side.
    const bool nearRight = !boardLeft;
    const qreal turnX = (boardLeft ? -1 : 1) * pose.turn; // screen direction of the turn

    // Shadow on the floor.
    {
        QRadialGradient g(QPointF(0, 0), 16 * u);
        g.setColorAt(0, QColor(0, 0, 0, 70));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), 17 * u, 3.2 * u);
    }
    // Legs and shoes.
    const qreal hipY = -44 * u;
    for (int s : {-1, 1}) {
        const qreal x = s * 4.2 * u * squeeze;
        QPainterPath leg;
        if (look.skirt) {
            leg.addRoundedRect(QRectF(x - 2.2 * u, -26 * u, 4.4 * u, 24 * u), 2 * u, 2 * u);
            outlined(p, leg, look.skin.darker(108), line, lw);
        } else {
            leg.moveTo(x - 3.3 * u, hipY);
            leg.lineTo(x + 3.3 * u, hipY);
            leg.lineTo(x + 2.8 * u, -2.5 * u);
            leg.lineTo(x - 2.8 * u, -2.5 * u);
            leg.closeSubpath();
            QLinearGradient g(QPointF(x - 3 * u, 0), QPointF(x + 3 * u, 0));
            g.setColorAt(0, look.legs.lighter(115));
            g.setColorAt(1, look.legs.darker(115));
            outlined(p, leg, g, line, lw);
        }
        QPainterPath shoe;
        shoe.addEllipse(QRectF(x - 3.6 * u + s * 0.6 * u + turnX * 1.2 * u, -4 * u, 7.2 * u, 4 * u));
        outlined(p, shoe, look.shoes, line, lw);
    }
    // Torso (jacket), shirt and tie.
    const qreal shoulderY = -76 * u, waistY = -48 * u;
    const qreal sw = 11.5 * u * squeeze, ww = 8.6 * u * squeeze, hw = 9.6 * u * squeeze;
    QPainterPath torso;
    torso.moveTo(-sw, shoulderY + 2 * u);
    torso.quadTo(-sw, shoulderY, -sw + 3 * u, shoulderY - 0.5 * u);
    torso.lineTo(sw - 3 * u, shoulderY - 0.5 * u);
    torso.quadTo(sw, shoulderY, sw, shoulderY + 2 * u);
    torso.lineTo(ww, waistY);
    torso.lineTo(hw, look.skirt ? waistY + 3 * u : hipY);
    torso.lineTo(-hw, look.skirt ? waistY + 3 * u : hipY);
    torso.lineTo(-ww, waistY);
    torso.closeSubpath();
    if (look.skirt) {
        QPainterPath skirt;
        skirt.moveTo(-hw, waistY + 2 * u);
        skirt.lineTo(hw, waistY + 2 * u);
        skirt.lineTo(hw + 3 * u, -24 * u);
        skirt.lineTo(-hw - 3 * u, -24 * u);
        skirt.closeSubpath();
        QLinearGradient g(QPointF(-hw, 0), QPointF(hw, 0));
        g.setColorAt(0, look.legs.lighter(120));
        g.setColorAt(1, look.legs.darker(110));
        outlined(p, skirt, g, line, lw);
    }
    {
        QLinearGradient g(QPointF(-sw, 0), QPointF(sw, 0));
        g.setColorAt(0, look.jacket.lighter(118 - int(turnX * 10)));
        g.setColorAt(1, look.jacket.darker(118 + int(turnX * 10)));
        outlined(p, torso, g, line, lw);
    }
    const qreal cx = turnX * 1.5 * u;
    QPainterPath shirt;
    shirt.moveTo(cx - 4 * u, shoulderY - 0.5 * u);
    shirt.lineTo(cx + 4 * u, shoulderY - 0.5 * u);
    shirt.lineTo(cx, shoulderY + 13 * u);
    shirt.closeSubpath();
    outlined(p, shirt, look.shirt, line, lw * 0.8);
    if (look.tie) {
        QPainterPath tie;
        tie.moveTo(cx - 1.2 * u, shoulderY + 1 * u);
        tie.lineTo(cx + 1.2 * u, shoulderY + 1 * u);
        tie.lineTo(cx + 1.8 * u, shoulderY + 11 * u);
        tie.lineTo(cx, shoulderY + 13.5 * u);
        tie.lineTo(cx - 1.8 * u, shoulderY + 11 * u);
        tie.closeSubpath();
        outlined(p, tie, gold().darker(110), line, lw * 0.7);
    } else {
        p.setPen(QPen(gold(), std::max<qreal>(1, u * 0.5)));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(cx - 3.5 * u, shoulderY - 3 * u, 7 * u, 9 * u), 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(gold());
        p.drawEllipse(QPointF(cx, shoulderY + 5.8 * u), 0.9 * u, 0.9 * u);
    }
    // Lapels.
    for (int s : {-1, 1}) {
        QPainterPath lapel;
        lapel.moveTo(cx + s * 4 * u, shoulderY - 0.5 * u);
        lapel.lineTo(cx + s * 6.5 * u, shoulderY + 4 * u);
        lapel.lineTo(cx + s * 0.5 * u, shoulderY + 14 * u);
        p.setPen(QPen(look.jacket.darker(150), lw));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lapel);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.jacket.darker(150));
    p.drawEllipse(QPointF(cx + 0.3 * u, waistY - 3 * u), 0.8 * u, 0.8 * u);
    p.drawEllipse(QPointF(cx + 0.3 * u, waistY + 1.5 * u), 0.8 * u, 0.8 * u);

    // Neck and head.
    const QPointF neck(turnX * 0.8 * u, shoulderY);
    p.save();
    p.translate(neck);
    p.rotate(boardLeft ? -pose.headTilt : pose.headTilt);
    QPainterPath neckPath;
    neckPath.addRoundedRect(QRectF(-2.4 * u, -5 * u, 4.8 * u, 6 * u), 1.5 * u, 1.5 * u);
    outlined(p, neckPath, look.skin.darker(110), line, lw);
    const QPointF hc(turnX * 0.6 * u, -12.5 * u);
    const qreal hrx = 6.6 * u, hry = 8 * u;
    // Hair behind the head.
    if (look.hairStyle == QLatin1String("long")) {
        QPainterPath back;
        back.addRoundedRect(QRectF(hc.x() - hrx - 1.6 * u, hc.y() - hry * 0.6, 2 * hrx + 3.2 * u, hry * 1.9), 4 * u, 4 * u);
        outlined(p, back, look.hair, line, lw);
    } else if (look.hairStyle == QLatin1String("bun")) {
        QPainterPath bun;
        bun.addEllipse(QPointF(hc.x() - turnX * 2 * u, hc.y() - hry - 1.6 * u), 3.6 * u, 3 * u);
        outlined(p, bun, look.hair, line, lw);
    }
    // Ears.
    for (int s : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(hc.x() + s * hrx - turnX * 0.8 * u, hc.y() + 0.5 * u), 1.4 * u, 2.1 * u);
        outlined(p, ear, look.skin.darker(105), line, lw * 0.8);
    }
    QPainterPath head;
    head.addEllipse(hc, hrx, hry);
    {
        QRadialGradient g(hc + QPointF(-2 * u, -3 * u), hry * 1.4);
        g.setColorAt(0, look.skin.lighter(110));
        g.setColorAt(1, look.skin.darker(106));
        outlined(p, head, g, line, lw);
    }
    if (look.beard) {
        QPainterPath beard;
        beard.moveTo(hc.x() - hrx + 0.5 * u, hc.y() + 1 * u);
        beard.quadTo(hc.x() - hrx * 0.6, hc.y() + hry + 1.5 * u, hc.x(), hc.y() + hry + 1.6 * u);
        beard.quadTo(hc.x() + hrx * 0.6, hc.y() + hry + 1.5 * u, hc.x() + hrx - 0.5 * u, hc.y() + 1 * u);
        beard.quadTo(hc.x() + hrx * 0.5, hc.y() + 5.5 * u, hc.x(), hc.y() + 5 * u);
        beard.quadTo(hc.x() - hrx * 0.5, hc.y() + 5.5 * u, hc.x() - hrx + 0.5 * u, hc.y() + 1 * u);
        outlined(p, beard, look.hair, line, lw * 0.8);
    }
    // Hair on top.
    {
        QPainterPath top;
        const QString& st = look.hairStyle;
        if (st == QLatin1String("bald")) {
            top.moveTo(hc.x() - hrx - 0.3 * u, hc.y() + 1 * u);
            top.quadTo(hc.x() - hrx - 0.5 * u, hc.y() - 4 * u, hc.x() - hrx + 2 * u, hc.y() - 5 * u);
            top.lineTo(hc.x() - hrx + 2.5 * u, hc.y() - 1 * u);
            top.closeSubpath();
            top.moveTo(hc.x() + hrx + 0.3 * u, hc.y() + 1 * u);
            top.quadTo(hc.x() + hrx + 0.5 * u, hc.y() - 4 * u, hc.x() + hrx - 2 * u, hc.y() - 5 * u);
            top.lineTo(hc.x() + hrx - 2.5 * u, hc.y() - 1 * u);
            top.closeSubpath();
        } else if (st == QLatin1String("curly")) {
            for (int i = 0; i < 9; ++i) {
                const qreal a = M_PI * (1.05 + i * 0.11);
                top.addEllipse(hc + QPointF(std::cos(a) * hrx * 0.95, std::sin(a) * hry * 0.9), 2.6 * u, 2.6 * u);
            }
            top.addEllipse(QPointF(hc.x(), hc.y() - hry * 0.75), hrx * 0.8, 2.8 * u);
            top.setFillRule(Qt::WindingFill);
            top = top.simplified();
        } else {
            top.moveTo(hc.x() - hrx - 0.4 * u, hc.y() + (st == QLatin1String("long") ? 4 : 0) * u);
            top.cubicTo(hc.x() - hrx - 1 * u, hc.y() - hry - 2 * u, hc.x() + hrx + 1 * u, hc.y() - hry - 2.2 * u,
                        hc.x() + hrx + 0.4 * u, hc.y() + (st == QLatin1String("long") ? 4 : 0) * u);
            top.quadTo(hc.x() + hrx - 0.5 * u, hc.y() - 3.5 * u, hc.x() + turnX * 2 * u + 2 * u, hc.y() - 5 * u);
            top.quadTo(hc.x() - 2 * u, hc.y() - 3 * u, hc.x() - hrx + 1 * u, hc.y() - 2 * u);
            top.closeSubpath();
        }
        QLinearGradient g(hc + QPointF(0, -hry), hc);
        g.setColorAt(0, look.hair.lighter(125));
        g.setColorAt(1, look.hair);
        outlined(p, top, g, line, lw * 0.9);
    }
    // Face.
    const qreal fx = hc.x() + turnX * 2.2 * u;
    const qreal eyeY = hc.y() - 0.2 * u;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 110, 60));
    p.drawEllipse(QPointF(fx - 3.8 * u, hc.y() + 3 * u), 1.6 * u, 1 * u);
    p.drawEllipse(QPointF(fx + 3.8 * u, hc.y() + 3 * u), 1.6 * u, 1 * u);
    for (int s : {-1, 1}) {
        const QPointF e(fx + s * 2.6 * u, eyeY);
        if (pose.blink) {
            p.setPen(QPen(QColor(50, 36, 30), std::max<qreal>(1, u * 0.5), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(e - QPointF(1 * u, 0), e + QPointF(1 * u, 0));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(e, 1.3 * u, 1.1 * u);
            p.setBrush(QColor(50, 36, 30));
            p.drawEllipse(e + QPointF(turnX * 0.4 * u, 0.1 * u), 0.75 * u, 0.85 * u);
        }
        p.setPen(QPen(look.hair.darker(110), std::max<qreal>(1, u * 0.55), Qt::SolidLine, Qt::RoundCap));
        const qreal by = eyeY - 2.4 * u - pose.brows * 0.8 * u;
        p.drawLine(QPointF(e.x() - 1.3 * u, by + (s < 0 ? 0.3 : 0) * u), QPointF(e.x() + 1.3 * u, by + (s > 0 ? 0.3 : 0) * u));
    }
    if (look.glasses) {
        p.setPen(QPen(QColor(40, 40, 48), std::max<qreal>(1, u * 0.4)));
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawEllipse(QPointF(fx - 2.6 * u, eyeY), 2.1 * u, 1.8 * u);
        p.drawEllipse(QPointF(fx + 2.6 * u, eyeY), 2.1 * u, 1.8 * u);
        p.drawLine(QPointF(fx - 0.5 * u, eyeY), QPointF(fx + 0.5 * u, eyeY));
    }
    // Nose.
    p.setPen(QPen(look.skin.darker(130), std::max<qreal>(1, u * 0.45), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(fx + turnX * 0.6 * u, eyeY + 1 * u), QPointF(fx + turnX * 1.1 * u, eyeY + 3.2 * u));
    // Mouth.
    const QPointF m(fx, hc.y() + 4.6 * u);
    if (pose.mouth > 0.3) {
        QPainterPath mouth;
        mouth.addEllipse(m + QPointF(0, 0.4 * u), 1.9 * u, (0.6 + pose.mouth) * u);
        p.setPen(QPen(QColor(120, 40, 40), std::max<qreal>(0.8, u * 0.3)));
        p.setBrush(QColor(150, 50, 56));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(m.x() - 1.2 * u, m.y() - 0.15 * u, 2.4 * u, 0.5 * u));
    } else {
        p.setPen(QPen(QColor(140, 60, 56), std::max<qreal>(1, u * 0.5), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath smile;
        smile.moveTo(m + QPointF(-2.2 * u, -0.3 * u));
        smile.quadTo(m + QPointF(0, 1.8 * u), m + QPointF(2.2 * u, -0.3 * u));
        p.drawPath(smile);
    }
    p.restore();

    // Arms, drawn over the body.
    auto arm = [&](bool right, qreal shoulderDeg, qreal elbowDeg) {
        const QPointF s(right ? sw - 1.6 * u : -sw + 1.6 * u, shoulderY + 2.6 * u);
        const QPointF e = s + dir(shoulderDeg, right) * 16 * u;
        const QPointF h = e + dir(shoulderDeg + elbowDeg, right) * 13.5 * u;
        QPainterPath upper;
        upper.moveTo(s);
        upper.lineTo(e);
        QPainterPath fore;
        fore.moveTo(e);
        fore.lineTo(h);
        p.setBrush(Qt::NoBrush);
        for (const QPainterPath* seg : {&upper, &fore}) {
            p.setPen(QPen(line, 6.2 * u + 2 * lw, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(*seg);
        }
        p.setPen(QPen(look.jacket.lighter(104), 6.2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(upper);
        p.drawPath(fore);
        // Cuff and hand.
        const QPointF cuff = e + (h - e) * 0.9;
        p.setPen(QPen(look.shirt, 5.6 * u, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(cuff, e + (h - e) * 0.97);
        QPainterPath hand;
        hand.addEllipse(h + (h - e) * 0.1, 2.9 * u, 2.9 * u);
        outlined(p, hand, look.skin, line, lw);
    };
    arm(!nearRight, pose.farShoulder, pose.farElbow);
    arm(nearRight, pose.nearShoulder, pose.nearElbow);
    p.restore();
}

} // namespace art
