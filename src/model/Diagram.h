#pragma once
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ControlList.h"
#include "CustomKDTool.h"
#include "DiagramObserver.h"
#include "IdTable.h"

// One diagram, apart from any window: its figures in stacking order (the bottom one first) with
// stable identities, a spatial index kept up to date as they change, the selection (the figures
// whose HaveFocused flag is set), and notifications of what changed and where. It owns its
// figures. A document window shows it on its canvas (the diagram is that canvas's content layer);
// kdltool, the history and the tests use it without one.
class Diagram : public TControlList, public TFigureWatcher {
 public:
  Diagram();
  ~Diagram() override;

  // The figures, bottom first.
  std::vector<TCustomKDTool*> Figures() const;
  size_t FigureCount() const { return Count(); }
  // Adds the figure as the topmost one (the diagram owns it from then on).
  TCustomKDTool* Add(std::unique_ptr<TCustomKDTool> figure);
  // Every figure whose box meets the area (canvas pixels, Left <= x < Left + Width), bottom first.
  void FiguresIn(const QRect& area, std::vector<TCustomKDTool*>& out) const;
  // The figure's place in the stacking order, 0 at the bottom; -1 when it is not in the diagram.
  int StackIndexOf(const TCustomKDTool* figure) const { return StackIndex(figure); }

  // The figure's identity, given when it joins (a figure deleted and brought back by Undo is the
  // same figure, so later steps still apply to it).
  uint64_t IdOf(TCustomKDTool* figure);
  // The figure with that identity in the diagram, or none.
  TCustomKDTool* Find(uint64_t id) const;
  std::vector<uint64_t> IdsOf(const std::vector<TCustomKDTool*>& figures);
  std::vector<TCustomKDTool*> Find(const std::vector<uint64_t>& ids) const;

  // The figure's record as a file holds it.
  static std::vector<uint8_t> RecordOf(const TCustomKDTool& figure);

  // Takes a figure read from a record or a file: the topmost figure, never selected (the record
  // may say it was), prepared by the diagram's owner (a document wires its events).
  void Adopt(TCustomKDTool* figure);
  // Adopt for many figures read at once (a file): one notice for all of them.
  void AdoptMany(const std::vector<TCustomKDTool*>& figures);
  using AdoptHook = std::function<void(TCustomKDTool* figure)>;
  void SetAdoptHook(AdoptHook hook) { adoptHook_ = std::move(hook); }

  struct Placed {
    uint64_t id;
    int index;  // place in the stacking order, 0 the bottom figure
    std::vector<uint8_t> record;
  };
  // The figures' places and records, bottom first.
  std::vector<Placed> Snapshot(const std::vector<TCustomKDTool*>& figures);
  // Brings figures back from their records, each at its place and under its identity.
  std::vector<TCustomKDTool*> Recreate(const std::vector<Placed>& figures);
  // Takes figures out for good (freed once the event loop is back).
  void Remove(const std::vector<uint64_t>& ids);

  struct Move {
    uint64_t id;
    int index;
  };
  // Puts each figure at its place in the stacking order, lowest place first.
  void Restack(std::vector<Move> moves);

  // Moves the figures by the delta in one pass: their boxes, the index once, one notice (Moved,
  // no figure named), one repaint of the areas they left and reached.
  void Translate(const std::vector<uint64_t>& ids, QPoint delta);
  struct Bounds {
    uint64_t id;
    QRect bounds;
  };
  // Gives the figures their boxes in one pass, as Translate does.
  void SetBounds(const std::vector<Bounds>& bounds);

  // The figures currently selected, bottom first.
  std::vector<TCustomKDTool*> Selected() const;
  size_t SelectedCount() const { return selected_; }
  // Ends any selection, then selects the figures. A window that shows the diagram does it with
  // its selection frames (the presenter); without one, the figures' flags are set.
  void Select(const std::vector<TCustomKDTool*>& figures);
  using SelectionPresenter = std::function<void(const std::vector<TCustomKDTool*>& figures)>;
  void SetSelectionPresenter(SelectionPresenter presenter) { presenter_ = std::move(presenter); }

  void AddObserver(DiagramObserver* observer);
  void RemoveObserver(DiagramObserver* observer);

  // The layer's face: figures join, move, change and leave through it.
  void Insert(TCustomControl* control) override;
  void Remove(TCustomControl* control) override;
  void BoundsChanged(TCustomControl* control, const QRect& before) override;
  void SetBoundsOfMany(const std::vector<BoundsChange>& changes) override;
  void AppearanceChanged(TCustomControl* control) override;
  void Reorder(std::vector<TCustomControl*> order);
  // TFigureWatcher.
  void SelectionChanged(TCustomKDTool* figure, bool selected) override;
  void SelectionsChanged(const std::vector<TCustomKDTool*>& figures, bool selected) override;

 private:
  void Notify(const DiagramChange& change);

  uint64_t nextId_ = 1;
  IdTable<TCustomKDTool> byId_;
  size_t selected_ = 0;
  std::vector<DiagramObserver*> observers_;
  AdoptHook adoptHook_;
  SelectionPresenter presenter_;
};
