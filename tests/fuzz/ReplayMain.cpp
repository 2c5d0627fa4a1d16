// Feeds a fuzz target every file of the folders (or the files) named on the
// command line, in name order, as the ordinary test suite does with the
// committed seed inputs. A crash or a broken promise ends the run.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Feed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int fed = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        if (!info.isDir()) {
            if (!Feed(info.filePath()))
                return 1;
            ++fed;
            continue;
        }
        const QDir dir(info.filePath());
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            if (!Feed(dir.filePath(name)))
                return 1;
            ++fed;
        }
    }
    std::printf("%d inputs replayed\n", fed);
    return fed > 0 ? 0 : 1;
}
