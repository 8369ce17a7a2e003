#pragma once
/* "AI Document Suite": the current document's page setup and page origin. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

/* Both versions plug-ins ask for share one table. */
#define DOCUMENT_SUITE_VERSION_8 8
#define DOCUMENT_SUITE_VERSION_9 9

/* The page-setup record as the host hands it out: the caller sets recordVersion to 1 and recordSize to 40
   before asking. Rectangles in whole points, y growing downwards from the paper's top-left corner. */
typedef struct HostPageSetup {
  int32_t recordVersion;
  int32_t recordSize;
  HostRect paper;
  HostRect printableArea;
} HostPageSetup;

#define PAGE_SETUP_RECORD_VERSION 1
#define PAGE_SETUP_RECORD_SIZE 40

typedef struct DocumentSuite {
  /* Fills the page-setup record. Result 0, or HOST_BAD_PARAMETER when the record's header is not version 1 and
     size 40. */
  HostResult (*getDocumentPageSetup)(HostPageSetup* pageSetup);
  /* The page origin (ruler origin), artwork points. */
  HostResult (*getDocumentPageOrigin)(HostRealPoint* origin);
  /* Moves the page origin. Result 0 or HOST_BAD_PARAMETER (not finite). */
  HostResult (*setDocumentPageOrigin)(const HostRealPoint* origin);
} DocumentSuite;
