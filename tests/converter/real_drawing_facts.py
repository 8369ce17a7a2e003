"""What a drawing holds, told by peers that are not ours: svgelements reads the SVG, ezdxf the DXF we wrote.

Usage: real_drawing_facts.py svg FILE.svg[z]...   or   real_drawing_facts.py dxf FILE.dxf...

Prints "file=PATH" for each file, then one "key=value" line per fact:
  paths    outlines worth drawing, hidden ones too (subpaths whose bounds are more than a point; no text)
  texts    text elements (svg) or TEXT entities (dxf), blocks expanded; told, not compared (an SVG text
           element and its tspans are counted apart)
  extents  "xmin ymin xmax ymax" of the outlines in millimetres, y upwards from the page's bottom edge
  layers   "|"-separated layer names (svg: the layer labels in document order; dxf: the LAYER table)
  used     (dxf) "|"-separated layers that entities stand on
  audit    (dxf) the number of errors ezdxf's audit found
  longest  (dxf) the largest vertex count of one POLYLINE
  hatches  (dxf) HATCH entities whose boundary ezdxf read, blocks expanded
  error    what went wrong when the file could not be read
"""

import gzip
import io
import sys
import xml.etree.ElementTree as ElementTree

MILLIMETRES_PER_PIXEL = 25.4 / 96
INKSCAPE = "{http://www.inkscape.org/namespaces/inkscape}"
SVG_NAMESPACE = "{http://www.w3.org/2000/svg}"


def read_bytes(path):
    with open(path, "rb") as file:
        data = file.read()
    return gzip.decompress(data) if data[:2] == b"\x1f\x8b" else data


def svg_layers(data):
    """Labels of the top-level layer groups; "Layer 1" when there are none (as the host names it)."""
    root = ElementTree.fromstring(data)
    labels = [child.get(INKSCAPE + "label", "")
              for child in root
              if child.tag == SVG_NAMESPACE + "g" and child.get(INKSCAPE + "groupmode") == "layer"]
    return labels or ["Layer 1"]


def svg_facts(path):
    import svgelements

    data = read_bytes(path)
    document = svgelements.SVG.parse(io.BytesIO(data), reify=True, ppi=96, parse_display_none=True)
    page_height = document.height
    paths = 0
    texts = 0
    box = None
    for element in document.elements():
        if isinstance(element, svgelements.Text):
            texts += 1
            continue
        if not isinstance(element, svgelements.Shape):
            continue
        outline = svgelements.Path(element)
        outline.reify()
        for subpath in outline.as_subpaths():
            piece = svgelements.Path(subpath)
            bounds = piece.bbox(transformed=True)
            if bounds is None:
                continue
            x0, y0, x1, y1 = bounds
            if x1 - x0 <= 1e-9 and y1 - y0 <= 1e-9:
                continue
            paths += 1
            box = (x0, y0, x1, y1) if box is None else (
                min(box[0], x0), min(box[1], y0), max(box[2], x1), max(box[3], y1))
    print(f"paths={paths}")
    print(f"texts={texts}")
    if box is not None:
        x0, y0, x1, y1 = box
        scale = MILLIMETRES_PER_PIXEL
        print(f"extents={x0 * scale:.4f} {(page_height - y1) * scale:.4f} "
              f"{x1 * scale:.4f} {(page_height - y0) * scale:.4f}")
    print("layers=" + "|".join(svg_layers(data)))


def dxf_facts(path):
    import ezdxf
    from ezdxf import disassemble
    from ezdxf import path as outline_path

    document = ezdxf.readfile(path)
    auditor = document.audit()
    outlines = []
    texts = 0
    used = set()
    longest = 0
    hatches = 0
    for entity in disassemble.recursive_decompose(document.modelspace()):
        kind = entity.dxftype()
        if kind in ("LINE", "ARC", "CIRCLE", "POLYLINE", "LWPOLYLINE"):
            outlines.append(entity)
            if kind == "POLYLINE":
                longest = max(longest, len(entity.vertices))
        elif kind == "TEXT":
            texts += 1
        elif kind == "HATCH":
            hatches += len(entity.paths) > 0
            continue
        else:
            continue
        used.add(entity.dxf.layer)
    print(f"paths={len(outlines)}")
    print(f"texts={texts}")
    if outlines:
        # The outlines themselves: a polyline's width (the stroke) is not part of the drawing's extents.
        box = outline_path.bbox(outline_path.make_path(entity) for entity in outlines)
        print(f"extents={box.extmin.x:.4f} {box.extmin.y:.4f} {box.extmax.x:.4f} {box.extmax.y:.4f}")
    # ezdxf adds the layers "0" and "Defpoints" to every document it loads.
    added = ("0", "Defpoints")
    print("layers=" + "|".join(layer.dxf.name for layer in document.layers if layer.dxf.name not in added))
    print("used=" + "|".join(sorted(used)))
    print(f"audit={len(auditor.errors)}")
    print(f"longest={longest}")
    print(f"hatches={hatches}")


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("svg", "dxf"):
        print(__doc__, file=sys.stderr)
        return 2
    facts = svg_facts if sys.argv[1] == "svg" else dxf_facts
    for path in sys.argv[2:]:
        print(f"file={path}")
        try:
            facts(path)
        except Exception as error:  # noqa: BLE001 - any failure to read is the finding, reported per file
            print(f"error={type(error).__name__}: {error}".replace("\n", " "))
        sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
