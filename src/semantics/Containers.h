#pragma once
#include <span>
#include <vector>

#include "Item.h"

// Containers and lanes, found from geometry as a shape's text is: nothing of them is stored.
namespace semantics {

// How far below a container's top edge its title may begin, in canvas pixels.
constexpr int kTitleBand = 30;
// How far apart two lanes' edges may lie and still touch (a pen's width of slack).
constexpr int kLaneSlack = 1;

// A rectangle that wholly encloses shapes lying above it. Its members are the shapes whose
// innermost container it is (other containers among them); its title is its text when that label
// begins within kTitleBand of its top edge.
struct Container {
  const Item* frame = nullptr;
  const Item* title = nullptr;
  const Item* parent = nullptr;  // the frame of the innermost container enclosing this one
  std::vector<const Item*> members;  // in item order
};

// Containers of one length that touch side by side, top to bottom (rows) or left to right
// (columns), with one parent: a pool, its containers its lanes.
struct Pool {
  bool rows = true;
  std::vector<const Item*> lanes;  // frames, in order across the pool
};

// Whether the rectangle would enclose the shape: the shape lies above it and wholly inside it,
// edges included, without covering all of it.
bool Encloses(const Item& frame, const Item& shape);

// A container's title: the topmost label lying on the frame itself (not on a shape in it) that
// begins within kTitleBand of its top edge, or none.
const Item* TitleOf(const Item& frame, const ItemQuery& query);

// Whether the rectangle encloses a shape, and so is a container.
bool EnclosesAny(const Item& frame, const ItemQuery& query);

// Every container of the items, in item order. The query answers with pointers into `items`.
std::vector<Container> FindContainers(std::span<const Item> items, const ItemQuery& query);

// The innermost container (its frame) among `containers` that encloses the item, or none.
const Item* ContainerOf(const Item& item, const std::vector<Container>& containers);

// The pools the containers make: each needs two lanes or more; a container is a lane of one pool
// at most (rows are looked for first).
std::vector<Pool> FindPools(const std::vector<Container>& containers);

}  // namespace semantics
