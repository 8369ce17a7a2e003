#pragma once

#include <cstdint>

namespace converter {

/// The DXF group codes the writer uses, named by what they carry in the record at hand. A code means
/// different things in different records, so several names share one number.
enum class GroupCode : int16_t {
  /// Starts a section, table, table entry, entity, or the end of file.
  ENTITY_TYPE = 0,
  /// The primary text value: a TEXT's string, a header variable's text.
  PRIMARY_TEXT = 1,
  /// A name: section, table, table entry, block.
  NAME = 2,
  /// A further name: a line type's description, a block's name repeated, a text style's font file.
  OTHER_NAME = 3,
  /// A text style's big-font file.
  BIG_FONT_NAME = 4,
  /// The line-type name of an entity or layer.
  LINE_TYPE_NAME = 6,
  /// The layer name of an entity.
  LAYER_NAME = 8,
  /// A header variable's name.
  VARIABLE_NAME = 9,
  /// The primary point: start, centre, insertion point, vertex.
  X = 10,
  Y = 20,
  Z = 30,
  /// The second point: a LINE's end, a TEXT's alignment point.
  SECOND_X = 11,
  SECOND_Y = 21,
  /// Reals under 40.
  RADIUS = 40,
  TEXT_HEIGHT = 40,
  PATTERN_LENGTH = 40,
  STARTING_WIDTH = 40,
  HEADER_REAL = 40,
  /// Reals under 41.
  WIDTH_FACTOR = 41,
  ENDING_WIDTH = 41,
  /// A vertex's bulge; a text style's last height used.
  BULGE = 42,
  LAST_HEIGHT_USED = 42,
  /// One dash or gap length of a line type (gaps negative).
  DASH_LENGTH = 49,
  /// Angles in degrees under 50 and 51.
  ROTATION = 50,
  START_ANGLE = 50,
  END_ANGLE = 51,
  /// The colour number.
  COLOR_NUMBER = 62,
  /// "Entities follow" (vertices after a POLYLINE).
  ENTITIES_FOLLOW = 66,
  /// Integers under 70: flags, a table's maximum entry count, a header variable's value.
  FLAGS = 70,
  MAXIMUM_ENTRIES = 70,
  HEADER_INTEGER = 70,
  /// A text style's generation flags.
  TEXT_GENERATION_FLAGS = 71,
  /// A line type's alignment code; a TEXT's horizontal justification.
  ALIGNMENT_CODE = 72,
  HORIZONTAL_JUSTIFICATION = 72,
  /// A line type's element count; a HATCH loop's closed flag.
  DASH_COUNT = 73,
  HATCH_LOOP_CLOSED = 73,
  /// A HATCH's number of boundary loops.
  HATCH_LOOP_COUNT = 91,
  /// A HATCH polyline loop's vertex count.
  HATCH_VERTEX_COUNT = 93,
  /// A subclass marker: the name of the record class whose groups follow (AcDbEntity, AcDbHatch).
  SUBCLASS_MARKER = 100,
};

}  // namespace converter
