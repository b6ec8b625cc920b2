// Placeholder: the real factory lands with the engine.
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>

namespace paginor::test {

void makePdf(const QString&, const PdfSpec&) {}
std::vector<std::string> pageContents(const QString&, const QString&) { return {}; }

std::string fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray b = f.readAll();
    return std::string(b.constData(), size_t(b.size()));
}

TempDir::TempDir() = default;
QString TempDir::path(const QString& name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }
QString TempDir::root() const { return QDir::toNativeSeparators(m_dir.path()); }

} // namespace paginor::test
