#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "host/document/Art.h"
#include "host/document/ArtWalk.h"
#include "host/document/Document.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

// The names of a container's children, front to back, after checking every link that joins them:
// parent, prior and next sibling, first and last child.
std::string childNames(const Art& container) {
  std::string names;
  const Art* prior = nullptr;
  for (const Art* child = container.firstChild(); child != nullptr; child = child->nextSibling()) {
    EXPECT_EQ(child->parent(), &container) << child->name();
    EXPECT_EQ(child->priorSibling(), prior) << child->name();
    names += (names.empty() ? "" : " ") + child->name();
    prior = child;
  }
  EXPECT_EQ(container.lastChild(), prior);
  return names;
}

// Children front to back (each one added behind the one before):
// Layer "Other" (index 1, on top):   X, K [ k1 ], P                 X, k1 paths; K compound path; P plug-in art
// Layer "Main" (index 0, at back):   G [ A, B [ b1, b2 ], C ]      A, C, b1, b2 paths; G, B groups
class ArtTree : public testing::Test {
protected:
  ArtTree() {
    main = document.layerAt(0);
    EXPECT_TRUE(main->setTitle("Main"));
    other = *document.insertLayer(1, "Other");
    add("G", ArtType::GROUP, PaintOrder::PLACE_INSIDE_ON_BOTTOM, main->group());
    for (const char* name : {"A", "B", "C"}) {
      add(name, name[0] == 'B' ? ArtType::GROUP : ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["G"]);
    }
    add("b1", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["B"]);
    add("b2", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["B"]);
    add("X", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, other->group());
    add("K", ArtType::COMPOUND_PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, other->group());
    add("k1", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["K"]);
    add("P", ArtType::PLUGIN, PaintOrder::PLACE_INSIDE_ON_BOTTOM, other->group());
  }

  Art* add(const std::string& name, ArtType type, PaintOrder order, Art* prefix) {
    platform::Result<Art*> created = document.newArt(type, order, prefix);
    EXPECT_TRUE(created) << name << ": " << created.error().message;
    (*created)->setName(name);
    art[name] = *created;
    return *created;
  }

  // The container of a table's case: an art's name, or "layer" for the group of layer Main.
  Art* container(const std::string& name) { return name == "layer" ? main->group() : art.at(name); }

  // Every child list of the fixture, to see that a refused call changed nothing.
  std::string snapshot() {
    return childNames(*main->group()) + " | " + childNames(*art["G"]) + " | " + childNames(*art["B"]) + " | " +
           childNames(*other->group()) + " | " + childNames(*art["K"]);
  }

  Document document;
  Layer* main = nullptr;
  Layer* other = nullptr;
  std::map<std::string, Art*> art;
};

struct PlacementCase {
  const char* description;
  PaintOrder order;
  const char* container;
  const char* children;
};

// Every order around prefix B, a group inside group G; children front to back.
constexpr PlacementCase kPlacements[] = {
    {"above", PaintOrder::PLACE_ABOVE, "G", "A X B C"},
    {"below", PaintOrder::PLACE_BELOW, "G", "A B X C"},
    {"inside on top", PaintOrder::PLACE_INSIDE_ON_TOP, "B", "X b1 b2"},
    {"inside on bottom", PaintOrder::PLACE_INSIDE_ON_BOTTOM, "B", "b1 b2 X"},
    {"above all", PaintOrder::PLACE_ABOVE_ALL, "layer", "X G"},
    {"below all", PaintOrder::PLACE_BELOW_ALL, "layer", "G X"},
};

void PrintTo(const PlacementCase& placement, std::ostream* stream) { *stream << placement.description; }

class ArtPlacement : public ArtTree, public testing::WithParamInterface<PlacementCase> {};

TEST_P(ArtPlacement, NewArtGoesWhereThePaintOrderSays) {
  // The current layer is another than B's: the "all" orders follow the prefix's layer.
  ASSERT_TRUE(document.setCurrentLayer(other));
  Art* created = add("X", ArtType::PATH, GetParam().order, art["B"]);
  EXPECT_EQ(childNames(*container(GetParam().container)), GetParam().children);
  EXPECT_EQ(created->layer(), main);
}

TEST_P(ArtPlacement, ReorderMovesArtFromAnotherLayerWhereThePaintOrderSays) {
  Art* moved = art["X"];
  ASSERT_TRUE(document.reorderArt(moved, GetParam().order, art["B"]));
  EXPECT_EQ(childNames(*container(GetParam().container)), GetParam().children);
  EXPECT_EQ(childNames(*other->group()), "K P");
  EXPECT_EQ(moved->layer(), main);
}

INSTANTIATE_TEST_SUITE_P(AroundAGroupInAGroup, ArtPlacement, testing::ValuesIn(kPlacements),
                         [](const testing::TestParamInfo<PlacementCase>& info) {
                           std::string name = info.param.description;
                           std::erase(name, ' ');
                           return name;
                         });

TEST_F(ArtTree, AllOrdersWithoutPrefixUseTheCurrentLayer) {
  ASSERT_TRUE(document.setCurrentLayer(main));
  add("top", ArtType::PATH, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  add("bottom", ArtType::PATH, PaintOrder::PLACE_BELOW_ALL, nullptr);
  EXPECT_EQ(childNames(*main->group()), "top G bottom");
}

// The clipping path (B's last child, b2) stays behind everything placed in the clip group or moved there.
TEST_F(ArtTree, AClipGroupKeepsItsClippingPathLast) {
  ASSERT_TRUE(art["B"]->setClipGroup(true));
  ASSERT_TRUE(art["b2"]->setClipping(true));
  add("back", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["B"]);
  add("under", ArtType::PATH, PaintOrder::PLACE_BELOW, art["b2"]);
  ASSERT_TRUE(document.reorderArt(art["A"], PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["B"]));
  add("front", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, art["B"]);
  EXPECT_EQ(childNames(*art["B"]), "front b1 back under A b2");
  ASSERT_TRUE(document.reorderArt(art["b2"], PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["B"]));
  EXPECT_EQ(childNames(*art["B"]), "front b1 back under A b2") << "the clipping path placed beside itself";

  // An ordinary group, or a clip group still without its clipping path, takes art at its very back.
  ASSERT_TRUE(art["G"]->setClipGroup(true));
  add("last", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_BOTTOM, art["G"]);
  EXPECT_EQ(childNames(*art["G"]), "B C last");
}

TEST_F(ArtTree, ReorderBesideItselfLeavesArtInPlace) {
  const std::string before = snapshot();
  EXPECT_TRUE(document.reorderArt(art["B"], PaintOrder::PLACE_ABOVE, art["B"]));
  EXPECT_TRUE(document.reorderArt(art["B"], PaintOrder::PLACE_BELOW, art["B"]));
  EXPECT_TRUE(document.reorderArt(art["B"], PaintOrder::PLACE_BELOW, art["A"]));
  EXPECT_TRUE(document.reorderArt(art["B"], PaintOrder::PLACE_ABOVE, art["C"]));
  EXPECT_EQ(snapshot(), before);
}

TEST_F(ArtTree, RefusedPlacementsChangeNothing) {
  Document stranger;
  Art* strangerGroup = stranger.layerAt(0)->group();
  struct RefusedCase {
    const char* description;
    std::function<platform::Result<void>()> action;
    HostResult code;
  };
  auto create = [this](ArtType type, PaintOrder order, Art* prefix) {
    return [=, this]() -> platform::Result<void> {
      platform::Result<Art*> created = document.newArt(type, order, prefix);
      if (!created) return created.error();
      return {};
    };
  };
  const RefusedCase cases[] = {
      {"above without prefix", create(ArtType::PATH, PaintOrder::PLACE_ABOVE, nullptr), HOST_BAD_PARAMETER},
      {"inside without prefix", create(ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, nullptr), HOST_BAD_PARAMETER},
      {"inside a path", create(ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, art["A"]), HOST_BAD_PARAMETER},
      {"beside a layer group", create(ArtType::PATH, PaintOrder::PLACE_BELOW, main->group()), HOST_BAD_PARAMETER},
      {"beside a result group", create(ArtType::PATH, PaintOrder::PLACE_ABOVE, art["P"]->pluginResult()),
       HOST_BAD_PARAMETER},
      {"a group into a compound path", create(ArtType::GROUP, PaintOrder::PLACE_INSIDE_ON_TOP, art["K"]),
       HOST_BAD_PARAMETER},
      {"a group beside a compound path's child", create(ArtType::GROUP, PaintOrder::PLACE_ABOVE, art["k1"]),
       HOST_BAD_PARAMETER},
      {"unknown paint order", create(ArtType::PATH, static_cast<PaintOrder>(7), art["B"]), HOST_BAD_PARAMETER},
      {"unknown art type", create(static_cast<ArtType>(4), PaintOrder::PLACE_ABOVE, art["B"]), HOST_BAD_PARAMETER},
      {"prefix of another document", create(ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, strangerGroup),
       HOST_BAD_HANDLE},
      {"move a group into itself",
       [this] { return document.reorderArt(art["B"], PaintOrder::PLACE_INSIDE_ON_TOP, art["B"]); },
       HOST_BAD_PARAMETER},
      {"move a group into its descendant",
       [this] { return document.reorderArt(art["G"], PaintOrder::PLACE_INSIDE_ON_TOP, art["B"]); },
       HOST_BAD_PARAMETER},
      {"move plug-in art into its own result group",
       [this] {
         return document.reorderArt(art["P"], PaintOrder::PLACE_INSIDE_ON_TOP, art["P"]->pluginResult());
       },
       HOST_BAD_PARAMETER},
      {"move a layer group",
       [this] { return document.reorderArt(main->group(), PaintOrder::PLACE_ABOVE_ALL, nullptr); },
       HOST_BAD_PARAMETER},
      {"move art of another document",
       [this, strangerGroup] { return document.reorderArt(strangerGroup, PaintOrder::PLACE_ABOVE_ALL, nullptr); },
       HOST_BAD_HANDLE},
  };
  for (const RefusedCase& refused : cases) {
    SCOPED_TRACE(refused.description);
    const std::string before = snapshot();
    const std::size_t artCount = document.artCount();
    const std::uint64_t modifications = document.modificationCount();
    platform::Result<void> result = refused.action();
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code, refused.code) << result.error().message;
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(document.artCount(), artCount);
    EXPECT_EQ(document.modificationCount(), modifications);
  }
}

struct DisposalCase {
  const char* disposed;
  const char* remaining;
  std::size_t objectsFreed;
  const char* freedDescendants[2];
};

void PrintTo(const DisposalCase& disposal, std::ostream* stream) { *stream << "dispose " << disposal.disposed; }

class ArtDisposal : public ArtTree, public testing::WithParamInterface<DisposalCase> {};

TEST_P(ArtDisposal, LeavesHandlesInvalidAndSiblingsLinked) {
  const DisposalCase& disposal = GetParam();
  const std::size_t artCount = document.artCount();
  Art* disposed = art[disposal.disposed];
  ASSERT_TRUE(document.disposeArt(disposed));
  EXPECT_EQ(childNames(*art["G"]), disposal.remaining);
  EXPECT_EQ(document.artCount(), artCount - disposal.objectsFreed);
  EXPECT_FALSE(document.isLiveArt(disposed));
  for (const char* descendant : disposal.freedDescendants) {
    if (descendant != nullptr) {
      EXPECT_FALSE(document.isLiveArt(art[descendant])) << descendant;
    }
  }
  // The stale handle is refused by every operation, never followed (AddressSanitizer would report a read).
  EXPECT_EQ(document.disposeArt(disposed).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(document.reorderArt(disposed, PaintOrder::PLACE_ABOVE_ALL, nullptr).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(document.newArt(ArtType::PATH, PaintOrder::PLACE_ABOVE, disposed).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(document.makeStyledResult(disposed).error().code, HOST_BAD_HANDLE);
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLast, ArtDisposal,
                         testing::Values(DisposalCase{"A", "B C", 1, {}}, DisposalCase{"B", "A C", 3, {"b1", "b2"}},
                                         DisposalCase{"C", "A B", 1, {}}),
                         [](const testing::TestParamInfo<DisposalCase>& info) {
                           return std::string(info.param.disposed);
                         });

TEST_F(ArtTree, DisposalTakesResultGroupsAlong) {
  Art* plugin = art["P"];
  Art* result = plugin->pluginResult();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->resultOwner(), plugin);
  Art* drawn = add("drawn", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, result);
  EXPECT_EQ(drawn->layer(), other);
  platform::Result<Art*> styled = document.makeStyledResult(art["X"]);
  ASSERT_TRUE(styled);
  Art* look = add("look", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, *styled);

  EXPECT_EQ(document.disposeArt(result).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.disposeArt(other->group()).error().code, HOST_BAD_PARAMETER);
  ASSERT_TRUE(document.disposeArt(plugin));
  ASSERT_TRUE(document.disposeArt(art["X"]));
  for (const Art* gone : {plugin, result, drawn, art["X"], *styled, look}) EXPECT_FALSE(document.isLiveArt(gone));
  EXPECT_EQ(childNames(*other->group()), "K");
}

TEST_F(ArtTree, DisposingALayerFreesItsArtAndKeepsACurrentLayer) {
  ASSERT_TRUE(document.setCurrentLayer(other));
  Art* k1 = art["k1"];
  ASSERT_TRUE(document.disposeLayer(other));
  EXPECT_FALSE(document.isLiveLayer(other));
  EXPECT_FALSE(document.isLiveArt(k1));
  EXPECT_EQ(document.currentLayer(), main);
  EXPECT_EQ(document.disposeLayer(main).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.layerCount(), 1);
}

TEST_F(ArtTree, WalkVisitsContainersBeforeChildrenBackToFront) {
  auto walkNames = [&](const char* skipped, const char* stop) {
    std::string names;
    const bool finished = walkLayerArt(*main, [&](Art& visited) {
      names += (names.empty() ? "" : " ") + visited.name();
      if (visited.name() == stop) return WalkStep::STOP;
      return visited.name() == skipped ? WalkStep::SKIP_CHILDREN : WalkStep::CONTINUE;
    });
    EXPECT_EQ(finished, std::string(stop).empty());
    return names;
  };
  EXPECT_EQ(walkNames("", ""), "G C B b2 b1 A");
  EXPECT_EQ(walkNames("B", ""), "G C B A");
  EXPECT_EQ(walkNames("", "b2"), "G C B b2");

  add("drawn", ArtType::PATH, PaintOrder::PLACE_INSIDE_ON_TOP, art["P"]->pluginResult());
  EXPECT_EQ(countArtOfType(*main, ArtType::PATH), 4u);
  EXPECT_EQ(countArtOfType(document, ArtType::PATH), 6u) << "result art is not part of the tree";
  EXPECT_EQ(countArtOfType(document, ArtType::GROUP), 2u);
  EXPECT_EQ(countArtOfType(document, ArtType::COMPOUND_PATH), 1u);
}

// Deep nesting must not exhaust the stack in the walk, in layer lookups or in disposal.
TEST(ArtNesting, HundredThousandLevelsWalkAndDispose) {
  constexpr int kDepth = 100'000;
  Document document;
  Art* outer = *document.newArt(ArtType::GROUP, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  Art* inner = outer;
  for (int level = 1; level < kDepth; ++level) {
    inner = *document.newArt(ArtType::GROUP, PaintOrder::PLACE_INSIDE_ON_TOP, inner);
  }
  EXPECT_EQ(countArtOfType(document, ArtType::GROUP), static_cast<std::size_t>(kDepth));
  EXPECT_EQ(inner->layer(), document.layerAt(0));
  EXPECT_EQ(document.reorderArt(outer, PaintOrder::PLACE_INSIDE_ON_TOP, inner).error().code, HOST_BAD_PARAMETER);
  ASSERT_TRUE(document.disposeArt(outer));
  EXPECT_EQ(document.artCount(), 1u) << "only the layer group is left";
}

TEST_F(ArtTree, SelectionFollowsAttributesAndIsNoModification) {
  const std::uint64_t modifications = document.modificationCount();
  for (const char* name : {"X", "C", "b1"}) {
    ASSERT_TRUE(art[name]->setAttributes(bitOf(ArtAttribute::SELECTED), bitOf(ArtAttribute::SELECTED)));
  }
  ASSERT_TRUE(art["b1"]->setAttributes(bitOf(ArtAttribute::FULLY_SELECTED), ~0u));
  std::string names;
  for (const Art* selected : document.selectedArt()) names += selected->name() + " ";
  EXPECT_EQ(names, "C b1 X ") << "layer by layer from the back, each back to front";
  EXPECT_EQ(document.modificationCount(), modifications);

  document.deselectAll();
  EXPECT_TRUE(document.selectedArt().empty());
  EXPECT_EQ(art["b1"]->attributes(), 0u);

  ASSERT_TRUE(art["C"]->setAttributes(bitOf(ArtAttribute::LOCKED), bitOf(ArtAttribute::LOCKED)));
  EXPECT_EQ(art["C"]->attributes(), bitOf(ArtAttribute::LOCKED));
  EXPECT_GT(document.modificationCount(), modifications);
  EXPECT_EQ(art["C"]->setAttributes(0x100, 0x100).error().code, HOST_BAD_PARAMETER);
}

TEST_F(ArtTree, TypeSpecificDataIsRefusedOnOtherTypes) {
  Art* group = art["B"];
  Art* path = art["A"];
  EXPECT_EQ(group->setPath(PathData{}).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(group->setStyle(PathStyle{}).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(group->setClipping(true).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(path->setClipGroup(true).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(path->editTextFrame().error().code, HOST_BAD_PARAMETER);
  EXPECT_TRUE(art["K"]->setClipping(true));
  EXPECT_TRUE(group->setClipGroup(true));
  EXPECT_EQ(art["P"]->pluginResult()->type(), ArtType::GROUP);
  EXPECT_EQ(path->pluginResult(), nullptr);

  EXPECT_EQ(path->setOpacity(1.5f).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(path->setOpacity(std::nanf("")).error().code, HOST_BAD_PARAMETER);
  ASSERT_TRUE(path->setOpacity(0.25f));
  EXPECT_EQ(path->opacity(), 0.25f);
}

}  // namespace
}  // namespace host
