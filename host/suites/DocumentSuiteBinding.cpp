// "AI Document Suite": the current document's page setup and page origin.

#include "host/document/Document.h"
#include "host/sdk/DocumentSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostRect toHostRect(const PageRect& rect) { return HostRect{rect.left, rect.top, rect.right, rect.bottom}; }

HostResult getDocumentPageSetup(HostPageSetup* pageSetup) {
  return guarded([&] {
    if (pageSetup == nullptr || pageSetup->recordVersion != PAGE_SETUP_RECORD_VERSION ||
        pageSetup->recordSize != PAGE_SETUP_RECORD_SIZE) {
      return HOST_BAD_PARAMETER;
    }
    const PageSetupRecord& page = services().document->pageSetup();
    pageSetup->paper = toHostRect(page.paper);
    pageSetup->printableArea = toHostRect(page.printableArea);
    return HOST_NO_ERROR;
  });
}

HostResult getDocumentPageOrigin(HostRealPoint* origin) {
  return guarded([&] {
    if (origin == nullptr) return HOST_BAD_PARAMETER;
    *origin = services().document->pageOrigin();
    return HOST_NO_ERROR;
  });
}

HostResult setDocumentPageOrigin(const HostRealPoint* origin) {
  return guarded([&] {
    if (origin == nullptr) return HOST_BAD_PARAMETER;
    platform::Result<void> set = services().document->setPageOrigin(*origin);
    return set ? HOST_NO_ERROR : set.error().code;
  });
}

constexpr DocumentSuite kDocumentSuite{getDocumentPageSetup, getDocumentPageOrigin, setDocumentPageOrigin};

static_assert(sizeof(HostPageSetup) == sizeof(PageSetupRecord));

}  // namespace

void registerDocumentSuite(SuiteRegistry& registry) {
  registry.add(SUITE_DOCUMENT, DOCUMENT_SUITE_VERSION_8, &kDocumentSuite);
  registry.add(SUITE_DOCUMENT, DOCUMENT_SUITE_VERSION_9, &kDocumentSuite);
}

}  // namespace host
