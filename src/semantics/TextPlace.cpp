#include "TextPlace.h"

#include "ConnectorLabel.h"
#include "ShapeText.h"

namespace semantics {

TextPlace TextPlaceOf(const Item& figure, const ItemQuery& query) {
  TextPlace place;
  if (IsShape(figure.kind)) {
    place.kind = TextPlace::Kind::Shape;
    place.shape = &figure;
    place.label = ShapeText(figure, query);
  } else if (IsSegment(figure.kind)) {
    place.connector = ConnectorOf(figure, query);
    if (!place.connector) return place;
    place.kind = TextPlace::Kind::Connector;
    place.label = ConnectorLabel(*place.connector, query);
  } else if (const Item* shape = ShapeOfText(figure, query)) {
    place.kind = TextPlace::Kind::Shape;
    place.shape = shape;
    place.label = &figure;
  } else {
    place.connector = ConnectorOfLabel(figure, query);
    place.kind = place.connector ? TextPlace::Kind::Connector : TextPlace::Kind::Label;
    place.label = &figure;
  }
  return place;
}

}  // namespace semantics
