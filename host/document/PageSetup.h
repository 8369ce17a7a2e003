#pragma once
// The page-setup record as plug-ins read it, and the document's page defaults. The record's rectangles are
// whole points measured the way print records measure them: from the paper's top-left corner, y growing
// downwards, so top < bottom. (Artwork coordinates grow upwards; the page origin below is artwork.)

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "host/sdk/HostTypes.h"

namespace host {

/// A rectangle of the page-setup record, whole points, y downwards from the paper's top-left corner.
struct PageRect {
  /// Left edge.
  std::int32_t left = 0;
  /// Top edge (the smaller y).
  std::int32_t top = 0;
  /// Right edge.
  std::int32_t right = 0;
  /// Bottom edge (the larger y).
  std::int32_t bottom = 0;
  /// Same edges.
  friend bool operator==(const PageRect&, const PageRect&) = default;
};

/// The version a plug-in puts in PageSetupRecord::recordVersion before asking for the record.
inline constexpr std::int32_t kPageSetupRecordVersion = 1;

/// The page-setup record exactly as it crosses to plug-ins: 40 bytes, no padding.
struct PageSetupRecord {
  /// Set by the asker to kPageSetupRecordVersion.
  std::int32_t recordVersion = kPageSetupRecordVersion;
  /// Set by the asker to the record's size, 40.
  std::int32_t recordSize = 40;
  /// The paper.
  PageRect paper;
  /// The part of the paper that prints.
  PageRect printableArea;
  /// Same header and rectangles.
  friend bool operator==(const PageSetupRecord&, const PageSetupRecord&) = default;
};

static_assert(sizeof(PageRect) == 16);
static_assert(sizeof(PageSetupRecord) == 40, "plug-ins copy exactly 40 bytes");
static_assert(std::is_standard_layout_v<PageSetupRecord> && std::is_trivially_copyable_v<PageSetupRecord>);
static_assert(offsetof(PageSetupRecord, paper) == 8 && offsetof(PageSetupRecord, printableArea) == 24);

/// The page setup of a new document: A4 portrait, 595 x 842 points, all of it printable.
[[nodiscard]] constexpr PageSetupRecord defaultPageSetup() {
  PageSetupRecord record;
  record.paper = {0, 0, 595, 842};
  record.printableArea = record.paper;
  return record;
}

/// The page origin (ruler origin) of a new document: artwork (0, 0), the page's bottom-left corner.
inline constexpr HostRealPoint kDefaultPageOrigin{0, 0};

}  // namespace host
