#include "Finder.h"

#include <algorithm>

namespace find {

namespace {

bool Before(const Hit& h, const Place& p) { return h.text < p.text || (h.text == p.text && h.start < p.position); }
bool After(const Hit& h, const Place& p) { return h.text > p.text || (h.text == p.text && h.start > p.position); }

}  // namespace

std::vector<Hit> FindAll(std::span<const DiagramText> texts, const TextMatcher& matcher) {
  std::vector<Hit> hits;
  if (matcher.IsEmpty()) return hits;
  for (size_t i = 0; i < texts.size(); ++i) matcher.Matches(texts[i].text, i, hits);
  return hits;
}

std::optional<Step> NextHit(std::span<const Hit> hits, Place after) {
  if (hits.empty()) return std::nullopt;
  const auto it = std::find_if(hits.begin(), hits.end(), [&](const Hit& h) { return After(h, after); });
  if (it == hits.end()) return Step{0, true};
  return Step{static_cast<size_t>(it - hits.begin()), false};
}

std::optional<Step> PreviousHit(std::span<const Hit> hits, Place before) {
  if (hits.empty()) return std::nullopt;
  const auto it = std::find_if(hits.rbegin(), hits.rend(), [&](const Hit& h) { return Before(h, before); });
  if (it == hits.rend()) return Step{hits.size() - 1, true};
  return Step{static_cast<size_t>(hits.rend() - it - 1), false};
}

std::optional<Replacement> ReplaceHit(std::span<const DiagramText> texts, const Hit& hit, const TextMatcher& matcher,
                                      const QString& with) {
  if (hit.text >= texts.size()) return std::nullopt;
  const DiagramText& t = texts[hit.text];
  if (!matcher.MatchesAt(t.text, hit.start, hit.length)) return std::nullopt;
  QString text = t.text;
  text.replace(hit.start, hit.length, with);
  return Replacement{t.figure, text};
}

ReplaceAllResult ReplaceAll(std::span<const DiagramText> texts, const TextMatcher& matcher, const QString& with) {
  ReplaceAllResult result;
  std::vector<Hit> hits;
  for (size_t i = 0; i < texts.size(); ++i) {
    hits.clear();
    matcher.Matches(texts[i].text, i, hits);
    if (hits.empty()) continue;
    const QString& old = texts[i].text;
    QString text;
    text.reserve(old.size() + qsizetype(hits.size()) * (with.size() - hits[0].length));
    qsizetype from = 0;
    for (const Hit& h : hits) {
      text += QStringView(old).mid(from, h.start - from);
      text += with;
      from = h.start + h.length;
    }
    text += QStringView(old).mid(from);
    result.count += static_cast<int>(hits.size());
    if (text != old) result.texts.push_back({texts[i].figure, std::move(text)});
  }
  return result;
}

}  // namespace find
