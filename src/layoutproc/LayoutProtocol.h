#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "Graph.h"
#include "Layout.h"

// What the editor and the layout program say to each other over the program's standard input
// and output: one request, one answer, each a short text of numbers and length-prefixed strings.
//
//   request:  "KLAYOUT 1\n" "D dir\n" "O x y\n" "S node rank\n" "E len:engine\n"
//             "N count\n" then per node "shape width height\n"
//             "L count\n" then per edge "from to directed len:label\n",
//             "C count\n" then per cluster "parent titleWidth titleHeight count node ...\n", "END\n"
//   answer:   "KLAYOUT-ANSWER 1\n" "B x y w h\n" "N count\n" then per node "x y w h\n"
//             "K count\n" then per cluster "x y w h\n"
//             "R count\n" then per route "points x y ... tail head label\n", where each of the
//             last three is "0" or "1 x y"; "W count\n" then per warning "len:text\n",
//             "X stop len:error\n", "END\n"
//
// A string is its length in bytes, a colon and the bytes as they are, so any byte may appear in
// a label. Only what the layout uses of the graph travels: node shapes and sizes, the edges'
// ends, direction and label, the clusters' nesting, nodes and title room.
namespace layoutproc {

struct Request {
  graph::Graph graph;
  graph::Direction direction = graph::Direction::TopToBottom;
  graph::LayoutOptions options;
};

// The part of a graph the layout sees: what Decode(Encode(graph)) gives back.
graph::Graph LayoutPart(const graph::Graph& graph);

std::string EncodeRequest(const Request& request);
// The request, or nothing with the reason in `error` for a text that is not one (cut short,
// a count larger than the text could hold, a number out of range, anything after its end).
std::optional<Request> DecodeRequest(std::string_view text, std::string* error = nullptr);

std::string EncodeAnswer(const graph::LayoutResult& result);
std::optional<graph::LayoutResult> DecodeAnswer(std::string_view text, std::string* error = nullptr);

}  // namespace layoutproc
