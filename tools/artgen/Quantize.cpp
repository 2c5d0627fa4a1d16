#include "Quantize.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace art {

namespace {

int distance(int r1, int g1, int b1, int r2, int g2, int b2)
{
    const int dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

struct Bin {
    double n = 0, r = 0, g = 0, b = 0;
};

struct Box {
    std::vector<int> bins; // indices into the histogram
    double sse = 0;
    double n = 0;
};

void measure(Box& box, const std::vector<Bin>& hist)
{
    double n = 0, r = 0, g = 0, b = 0, rr = 0, gg = 0, bb = 0;
    for (int i : box.bins) {
        const Bin& h = hist[i];
        const double mr = h.r / h.n, mg = h.g / h.n, mb = h.b / h.n;
        n += h.n;
        r += h.r;
        g += h.g;
        b += h.b;
        rr += h.n * mr * mr;
        gg += h.n * mg * mg;
        bb += h.n * mb * mb;
    }
    box.n = n;
    box.sse = n > 0 ? (rr - r * r / n) * 2 + (gg - g * g / n) * 4 + (bb - b * b / n) * 3 : 0;
}

// Splits along the channel of largest weighted spread at the weighted median.
bool split(Box& box, Box& other, const std::vector<Bin>& hist)
{
    if (box.bins.size() < 2)
        return false;
    int axis = 0;
    double best = -1;
    for (int a = 0; a < 3; ++a) {
        double n = 0, s = 0, ss = 0;
        for (int i : box.bins) {
            const Bin& h = hist[i];
            const double v = (a == 0 ? h.r : a == 1 ? h.g : h.b) / h.n;
            n += h.n;
            s += h.n * v;
            ss += h.n * v * v;
        }
        const double var = (ss - s * s / n) * (a == 0 ? 2 : a == 1 ? 4 : 3);
        if (var > best) {
            best = var;
            axis = a;
        }
    }
    auto value = [&](int i) {
        const Bin& h = hist[i];
        return (axis == 0 ? h.r : axis == 1 ? h.g : h.b) / h.n;
    };
    std::sort(box.bins.begin(), box.bins.end(), [&](int a, int b) { return value(a) < value(b); });
    double half = box.n / 2, acc = 0;
    size_t cut = 1;
    for (size_t k = 0; k + 1 < box.bins.size(); ++k) {
        acc += hist[box.bins[k]].n;
        cut = k + 1;
        if (acc >= half)
            break;
    }
    other.bins.assign(box.bins.begin() + cut, box.bins.end());
    box.bins.resize(cut);
    measure(box, hist);
    measure(other, hist);
    return true;
}

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

} // namespace

QVector<QRgb> buildPalette(const QVector<QImage>& images, const QVector<QRgb>& reservedIn)
{
    // Fixed entries: the reserved colours (pure red always first).
    QVector<QRgb> fixed;
    auto addFixed = [&](QRgb c) {
        c |= 0xff000000u;
        if (!fixed.contains(c))
            fixed.append(c);
    };
    addFixed(kKeyRed);
    for (QRgb c : reservedIn)
        addFixed(c);

    QHash<QRgb, quint32> exact;
    quint64 total = 0;
    for (const QImage& img : images) {
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                ++exact[line[x] | 0xff000000u];
        }
        total += quint64(img.width()) * img.height();
    }

    // Large flat areas keep their exact colours (no dithering on them).
    std::vector<std::pair<quint32, QRgb>> byCount;
    byCount.reserve(exact.size());
    for (auto it = exact.cbegin(); it != exact.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), [](auto& a, auto& b) { return a.first > b.first; });
    const quint64 pinFloor = std::max<quint64>(150, total / 900);
    int pinned = 0;
    for (auto& [count, c] : byCount) {
        if (count < pinFloor || pinned >= 56 || fixed.size() >= 200)
            break;
        if (!fixed.contains(c)) {
            fixed.append(c);
            ++pinned;
        }
    }

    // The rest: median cut on a 5-bit histogram, refined by k-means.
    std::vector<Bin> hist(32768);
    for (auto it = exact.cbegin(); it != exact.cend(); ++it) {
        const QRgb c = it.key();
        if (fixed.contains(c))
            continue;
        const int idx = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
        Bin& b = hist[idx];
        // Rare colours (gradients, anti-aliasing) weigh more than their count
        // so that smooth ramps get their share of the palette.
        const double w = std::sqrt(double(it.value()));
        b.n += w;
        b.r += w * qRed(c);
        b.g += w * qGreen(c);
        b.b += w * qBlue(c);
    }
    Box all;
    for (int i = 0; i < 32768; ++i)
        if (hist[i].n > 0)
            all.bins.push_back(i);
    const int free = 256 - fixed.size();
    std::vector<Box> boxes;
    if (!all.bins.empty()) {
        measure(all, hist);
        boxes.push_back(std::move(all));
        while (int(boxes.size()) < free) {
            int pick = -1;
            for (int i = 0; i < int(boxes.size()); ++i)
                if (boxes[i].bins.size() > 1 && (pick < 0 || boxes[i].sse > boxes[pick].sse))
                    pick = i;
            if (pick < 0)
                break;
            Box other;
            split(boxes[pick], other, hist);
            boxes.push_back(std::move(other));
        }
    }
    struct Centre {
        double r, g, b;
        bool movable;
    };
    std::vector<Centre> centres;
    for (QRgb c : fixed)
        centres.push_back({double(qRed(c)), double(qGreen(c)), double(qBlue(c)), false});
    for (const Box& b : boxes) {
        double n = 0, r = 0, g = 0, bl = 0;
        for (int i : b.bins) {
            n += hist[i].n;
            r += hist[i].r;
            g += hist[i].g;
            bl += hist[i].b;
        }
        centres.push_back({r / n, g / n, bl / n, true});
    }
    std::vector<int> used;
    for (int i = 0; i < 32768; ++i)
        if (hist[i].n > 0)
            used.push_back(i);
    for (int iter = 0; iter < 6; ++iter) {
        std::vector<Bin> acc(centres.size());
        for (int i : used) {
            const Bin& h = hist[i];
            const double r = h.r / h.n, g = h.g / h.n, b = h.b / h.n;
            int best = -1;
            double bd = 1e18;
            for (size_t k = 1; k < centres.size(); ++k) { // never pure red
                const double dr = r - centres[k].r, dg = g - centres[k].g, db = b - centres[k].b;
                const double d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
                if (d < bd) {
                    bd = d;
                    best = int(k);
                }
            }
            if (best < 0)
                continue;
            acc[best].n += h.n;
            acc[best].r += h.r;
            acc[best].g += h.g;
            acc[best].b += h.b;
        }
        for (size_t k = 0; k < centres.size(); ++k)
            if (centres[k].movable && acc[k].n > 0)
                centres[k] = {acc[k].r / acc[k].n, acc[k].g / acc[k].n, acc[k].b / acc[k].n, true};
    }

    QVector<QRgb> palette = fixed;
    for (const Centre& c : centres) {
        if (!c.movable)
            continue;
        QRgb q = qRgb(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b)));
        if (q == kKeyRed) // a near-red cluster must not become the key
            q = qRgb(254, 0, 0);
        if (!palette.contains(q))
            palette.append(q);
    }
    // Fill the table up to 256 entries with distinct greys.
    for (int v = 0; palette.size() < 256 && v < 256; v += 3) {
        const QRgb g = qRgb(v, v, v);
        if (!palette.contains(g))
            palette.append(g);
    }
    palette.resize(256);
    return palette;
}

QImage toIndexed(const QImage& argb, const QVector<QRgb>& palette, QPoint origin, bool keyed)
{
    QImage out(argb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> exact;
    for (int i = palette.size() - 1; i >= 0; --i)
        exact.insert(palette[i] | 0xff000000u, i);
    const int keyIndex = exact.value(kKeyRed, -1);
    if (!keyed)
        exact.remove(kKeyRed);
    std::vector<qint16> lut(64 * 64 * 64, -1);
    auto nearest = [&](int r, int g, int b) {
        const int key = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2);
        qint16& slot = lut[key];
        if (slot < 0) {
            const int cr = (r & ~3) + 2, cg = (g & ~3) + 2, cb = (b & ~3) + 2;
            int best = 0, bd = INT32_MAX;
            for (int i = 0; i < palette.size(); ++i) {
                if (i == keyIndex)
                    continue;
                const QRgb c = palette[i];
                const int d = distance(cr, cg, cb, qRed(c), qGreen(c), qBlue(c));
                if (d < bd) {
                    bd = d;
                    best = i;
                }
            }
            slot = qint16(best);
        }
        return int(slot);
    };
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = in[x] | 0xff000000u;
            auto hit = exact.constFind(c);
            if (hit != exact.constEnd()) {
                o[x] = uchar(hit.value());
                continue;
            }
            const int t = kBayer[(y + origin.y()) & 3][(x + origin.x()) & 3];
            const int d = (t * 2 - 15) * 5 / 15; // -5 .. +5
            auto clamp = [](int v) { return std::clamp(v, 0, 255); };
            o[x] = uchar(nearest(clamp(qRed(c) + d), clamp(qGreen(c) + d), clamp(qBlue(c) + d)));
        }
    }
    return out;
}

namespace {

void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

quint32 get32(const QByteArray& d, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | uchar(d[at + i]);
    return v;
}

int get16(const QByteArray& d, int at) { return uchar(d[at]) | (uchar(d[at + 1]) << 8); }

} // namespace

bool writeBmp8(const QString& path, const QImage& img, QString* error)
{
    if (img.format() != QImage::Format_Indexed8 || img.colorCount() != 256) {
        if (error)
            *error = QStringLiteral("%1: not an 8-bit picture with 256 colours").arg(path);
        return false;
    }
    const int stride = (img.width() + 3) & ~3;
    const quint32 offset = 14 + 40 + 256 * 4;
    const quint32 size = offset + quint32(stride) * img.height();
    QByteArray b;
    b.reserve(int(size));
    b.append("BM");
    put32(b, size);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, quint32(img.width()));
    put32(b, quint32(img.height()));
    put16(b, 1);
    put16(b, 8);
    put32(b, 0);
    put32(b, quint32(stride) * img.height());
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 256);
    put32(b, 0);
    for (QRgb c : img.colorTable()) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = img.height() - 1; y >= 0; --y) {
        b.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.width());
        b.append(QByteArray(stride - img.width(), '\0'));
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size() || !f.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool parseBmp8(const QByteArray& d, Bmp8& out, QString* error)
{
    auto fail = [&](const QString& m) {
        if (error)
            *error = m;
        return false;
    };
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M')
        return fail(QStringLiteral("not a BMP file"));
    const quint32 offset = get32(d, 10);
    const quint32 header = get32(d, 14);
    if (header < 40)
        return fail(QStringLiteral("old BMP header"));
    const qint32 w = qint32(get32(d, 18)), h = qint32(get32(d, 22));
    out.bitsPerPixel = get16(d, 28);
    const quint32 compression = get32(d, 30);
    if (w <= 0 || h == 0 || compression != 0)
        return fail(QStringLiteral("unsupported BMP layout"));
    if (out.bitsPerPixel != 8)
        return fail(QStringLiteral("%1 bits per pixel, not 8").arg(out.bitsPerPixel));
    quint32 used = get32(d, 46);
    if (used == 0)
        used = 256;
    const int tableAt = 14 + int(header);
    if (used > 256 || tableAt + int(used) * 4 > d.size())
        return fail(QStringLiteral("bad colour table"));
    out.table.clear();
    for (quint32 i = 0; i < used; ++i) {
        const int at = tableAt + int(i) * 4;
        out.table.append(qRgb(uchar(d[at + 2]), uchar(d[at + 1]), uchar(d[at])));
    }
    out.width = w;
    out.height = std::abs(h);
    const int stride = (w + 3) & ~3;
    if (qint64(offset) + qint64(stride) * out.height > d.size())
        return fail(QStringLiteral("truncated pixel data"));
    out.pixels.resize(w * out.height);
    for (int row = 0; row < out.height; ++row) {
        const int src = h > 0 ? out.height - 1 - row : row;
        const char* line = d.constData() + offset + qint64(stride) * src;
        std::copy(line, line + w, reinterpret_cast<char*>(out.pixels.data()) + qint64(row) * w);
    }
    return true;
}

bool readBmp8(const QString& path, Bmp8& out, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QString e;
    if (!parseBmp8(f.readAll(), out, &e)) {
        if (error)
            *error = path + QStringLiteral(": ") + e;
        return false;
    }
    return true;
}

} // namespace art
