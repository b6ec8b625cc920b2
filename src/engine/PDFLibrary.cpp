// Placeholder until the real engine lands: every operation fails cleanly.
#include "engine/PDFLibrary.h"

namespace paginor {

struct PDFLibrary::Impl
{
    int32_t lastError = 0;
    int32_t nextHandle = 1;
};

PDFLibrary::PDFLibrary() : m(std::make_unique<Impl>()) {}
PDFLibrary::~PDFLibrary() = default;

bool PDFLibrary::OpenDocument(const QString&, const QString&) { m->lastError = int32_t(EngineError::Internal); return false; }
int32_t PDFLibrary::GetPageTotal() { return 0; }
bool PDFLibrary::PostOpenStep() { return true; }
int32_t PDFLibrary::PickPages(const QString&) { return 0; }
bool PDFLibrary::SetInfoEntry(int32_t, const QString&) { return false; }
bool PDFLibrary::WriteToFile(const QString&) { return false; }
int32_t PDFLibrary::DocumentIdAt(int32_t) { return 0; }
bool PDFLibrary::DropDocument(int32_t) { return false; }
int32_t PDFLibrary::LastErrorNumber() const { return m->lastError; }
void PDFLibrary::NewPathList(const QString&) {}
bool PDFLibrary::AppendToPathList(const QString&, const QString&) { return false; }
int32_t PDFLibrary::MergePathList(const QString&, const QString&) { return 0; }
QString PDFLibrary::PathListEntry(const QString&, int32_t) { return {}; }
int32_t PDFLibrary::ProbeOpen(const QString&, const QString&) { return m->nextHandle++; }
QString PDFLibrary::ProbeInfo(int32_t, int32_t) { return {}; }
bool PDFLibrary::ProbeClose(int32_t) { return true; }
void PDFLibrary::setProgressHandler(ProgressHandler) {}
void PDFLibrary::setStreamOpener(StreamOpener) {}

} // namespace paginor
