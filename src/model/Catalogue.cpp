#include "model/Catalogue.h"

#include <QCoreApplication>
#include <QMutex>
#include <array>
#include <map>

#include "model/CatalogueData.h"
#include "model/ModelFacts.h"
#include "model/TabLayout.h"
#include "texts/Language.h"

using namespace catalogue_data;

namespace {

constexpr int kValueLength = 5;

// Everything a model shows, worked out once from the tables.
struct ModelView {
    QStringList codes;
    std::vector<CatalogueEntry> entries;
    std::vector<RowSpec> rows;
    std::vector<ButtonSpec> buttons;
    std::vector<BoxSpec> boxes;
    std::array<int, kDetailRows> rowOwner{};
    std::array<int, kItemButtons> buttonOwner{};
};

// What is worked out from the catalogue's texts, once per language: the operator may change the
// language while the program runs, and what was built in the other stays as it was.
template <typename T>
class PerLanguage {
  public:
    template <typename Build>
    const T& get(Build build) {
        const QString language = texts::CurrentLanguage();
        const QMutexLocker lock(&mutex_);
        auto it = built_.find(language);
        if (it == built_.end()) it = built_.emplace(language, build()).first;
        return it->second;
    }

  private:
    QMutex mutex_;
    std::map<QString, T> built_;  // a node never moves: references stay good
};

std::vector<int> OwnedChars(const RowBinding& b) {
    std::vector<int> chars;
    switch (b.span) {
        case CharSpan::Whole:
            for (int c = 1; c <= kValueLength; ++c) chars.push_back(c);
            break;
        case CharSpan::First:
            for (int c = 1; c <= b.count; ++c) chars.push_back(c);
            break;
        case CharSpan::Last:
            for (int c = kValueLength - b.count + 1; c <= kValueLength; ++c) chars.push_back(c);
            break;
        case CharSpan::At:
            chars.push_back(b.count);
            break;
    }
    return chars;
}

QString NormalCode(const QString& code) {
    QString c = code.trimmed().toUpper();
    if (c.size() == 3 && c.startsWith(u'W')) c.remove(0, 1);
    return c;
}

// A caption, label or option of a model's catalogue in the operator's language: marked in the
// model's file (its name the context), or among the texts all models share ("catalogue").
QString CatalogueText(const ModelFacts& facts, const QString& text) {
    const QByteArray source = text.toUtf8();
    const QString own = QCoreApplication::translate(facts.name, source.constData());
    return own != text ? own : QCoreApplication::translate("catalogue", source.constData());
}

ModelView Build(IndicatorModel model) {
    const ModelFacts& facts = FactsOf(model);
    ModelView v;
    v.rowOwner.fill(-1);
    v.buttonOwner.fill(-1);

    const QStringList& initial = InitialRowLabels();
    v.rows.resize(kDetailRows);
    for (int n = 0; n < kDetailRows; ++n) {
        v.rows[n].row = n;
        v.rows[n].tab = tablayout::TabOfRow(n);
        v.rows[n].label = initial.value(n);
    }
    for (const RowData& d : facts.rows()) {
        if (d.row < 0 || d.row >= kDetailRows || !d.code) continue;
        RowSpec& r = v.rows[d.row];
        r.visible = true;
        r.label = CatalogueText(facts, QString::fromUtf8(d.label));
        for (const QString& option : d.options) r.options << CatalogueText(facts, option);
        r.binding = {QString::fromLatin1(d.code), d.show, d.span, d.count, d.oneBased};
        r.ownedChars = OwnedChars(r.binding);
    }

    v.buttons.resize(kItemButtons);
    for (int b = 0; b < kItemButtons; ++b) {
        v.buttons[b].button = b;
        v.buttons[b].tab = tablayout::TabOfButton(b);
        v.buttons[b].box = BoxOfButton(b);
    }
    // Buttons a model does not use keep the default model's captions.
    for (const EntryData& d : FactsOf(kDefaultModel).entries())
        if (d.button >= 0 && d.button < kItemButtons)
            v.buttons[d.button].caption =
                CatalogueText(FactsOf(kDefaultModel), QString::fromUtf8(d.caption));

    for (const ButtonRun& run : ButtonLayout())
        for (int i = 0; i < run.boxCount; ++i) {
            BoxSpec box;
            box.box = {run.boxFamily, i};
            box.tag = TagOfBox(box.box);
            v.boxes.push_back(box);
        }

    for (const EntryData& d : facts.entries()) {
        CatalogueEntry e;
        e.code = QString::fromLatin1(d.code);
        e.model = model;
        e.slot = StoreSlot(e.code, model).value_or(StoreAddress{});
        e.button = d.button;
        e.buttonCaption = CatalogueText(facts, QString::fromUtf8(d.caption));
        e.box = {d.boxFamily, d.boxIndex};
        e.kind = d.kind;
        for (const RowSpec& r : v.rows)
            if (r.visible && r.binding.code == e.code) e.rows.push_back(r.row);

        const int index = static_cast<int>(v.entries.size());
        for (int row : e.rows) v.rowOwner[row] = index;
        if (e.button >= 0 && e.button < kItemButtons) {
            v.buttonOwner[e.button] = index;
            ButtonSpec& b = v.buttons[e.button];
            b.visible = true;
            b.caption = e.buttonCaption;
            b.code = e.code;
            if (!e.rows.empty()) {
                b.jumpRow = e.rows.front();
                b.jumpTab = tablayout::TabOfRow(b.jumpRow);
            }
        }
        for (BoxSpec& box : v.boxes)
            if (box.box == e.box) {
                box.visible = true;
                box.code = e.code;
            }
        v.codes.push_back(e.code);
        v.entries.push_back(std::move(e));
    }
    return v;
}

const ModelView& ViewOf(IndicatorModel model) {
    // Built per language and model as first asked for: a model made known later has its own.
    static QMutex mutex;
    static std::map<std::pair<QString, IndicatorModel>, ModelView> views;  // nodes never move
    const IndicatorModel known = FactsOf(model).model;
    std::pair key(texts::CurrentLanguage(), known);
    const QMutexLocker lock(&mutex);
    auto it = views.find(key);
    if (it == views.end()) it = views.emplace(std::move(key), Build(known)).first;
    return it->second;
}

// The number spelled by the leading digits of the characters a choice row reads (after any
// blanks); 0 when there are none. A single option digit therefore reads as 0 … 9.
int NumberOf(const QString& chars) {
    int n = 0;
    qsizetype i = 0;
    while (i < chars.size() && chars[i] == u' ') ++i;
    for (int digits = 0; i < chars.size() && digits < 9; ++i, ++digits) {
        const QChar c = chars[i];
        if (c < u'0' || c > u'9') break;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

}  // namespace

const QStringList& CodesOf(IndicatorModel model) {
    return ViewOf(model).codes;
}

const std::vector<CatalogueEntry>& EntriesOf(IndicatorModel model) {
    return ViewOf(model).entries;
}

const CatalogueEntry* EntryOfCode(IndicatorModel model, const QString& code) {
    const ModelView& v = ViewOf(model);
    const QString c = NormalCode(code);
    for (const CatalogueEntry& e : v.entries)
        if (e.code == c) return &e;
    return nullptr;
}

const CatalogueEntry* EntryOfRow(IndicatorModel model, int row) {
    const ModelView& v = ViewOf(model);
    if (row < 0 || row >= kDetailRows || v.rowOwner[row] < 0) return nullptr;
    return &v.entries[v.rowOwner[row]];
}

const CatalogueEntry* EntryOfButton(IndicatorModel model, int button) {
    const ModelView& v = ViewOf(model);
    if (button < 0 || button >= kItemButtons || v.buttonOwner[button] < 0) return nullptr;
    return &v.entries[v.buttonOwner[button]];
}

const CatalogueEntry* EntryOfBox(IndicatorModel model, const ValueBoxRef& box) {
    for (const CatalogueEntry& e : ViewOf(model).entries)
        if (e.box == box) return &e;
    return nullptr;
}

const std::vector<RowSpec>& RowsOf(IndicatorModel model) {
    return ViewOf(model).rows;
}
const std::vector<ButtonSpec>& ButtonsOf(IndicatorModel model) {
    return ViewOf(model).buttons;
}
const std::vector<BoxSpec>& BoxesOf(IndicatorModel model) {
    return ViewOf(model).boxes;
}

RowSpec RowOf(IndicatorModel model, int row) {
    if (row < 0 || row >= kDetailRows) return {};
    return ViewOf(model).rows[row];
}

ButtonSpec ButtonOf(IndicatorModel model, int button) {
    if (button < 0 || button >= kItemButtons) return {};
    return ViewOf(model).buttons[button];
}

QStringList OptionsOf(IndicatorModel model, int row) {
    return RowOf(model, row).options;
}

const QStringList& InitialRowLabels() {
    static PerLanguage<QStringList> labels;
    return labels.get([] {
        QStringList l;
        for (int n = 0; n < kDetailRows; ++n) l.push_back(QString());
        for (const RowData& d : FactsOf(kDefaultModel).rows())
            if (d.row >= 0 && d.row < kDetailRows)
                l[d.row] = CatalogueText(FactsOf(kDefaultModel), QString::fromUtf8(d.label));
        return l;
    });
}

ValueBoxRef BoxOfButton(int button) {
    for (const ButtonRun& run : ButtonLayout())
        if (button >= run.firstButton && button < run.firstButton + run.boxCount)
            return {run.boxFamily, button - run.firstButton};
    return {};
}

QString FamilyName(int family) {
    return family >= 1 && family <= 9 ? QStringLiteral("W%1").arg(family) + u'0' : QString();
}

int FamilySize(int family) {
    if (family == 1) return SettingsStore::kProductItems;
    return SettingsStore::GroupSize(family);
}

QString TagOfBox(const ValueBoxRef& box) {
    if (box.index < 0 || box.index >= FamilySize(box.family)) return {};
    return QStringLiteral("W%1%2").arg(box.family).arg(box.index, 1, 16).toUpper();
}

BracketSet BracketSetOf(IndicatorModel model) {
    return FactsOf(model).bracketSet;
}

const std::vector<BracketRange>& BracketRangesOf(BracketSet set) {
    for (const ModelFacts* facts : AllModels())
        if (facts->bracketSet == set) return facts->brackets();
    return FactsOf(kDefaultModel).brackets();
}

int BracketLineCount(BracketSet set) {
    return static_cast<int>(BracketRangesOf(set).size()) * kLinesPerBracket;
}

QString LockStatusLabel(IndicatorModel model) {
    return CatalogueText(FactsOf(model), QString::fromUtf8(FactsOf(model).lockLabel));
}

const QStringList& ProductItemLabels() {
    static PerLanguage<QStringList> labels;
    return labels.get([] {
        QStringList all;
        for (const QString& label : ProductLabels())
            all << CatalogueText(FactsOf(kDefaultModel), label);
        return all;
    });
}

QString ProductItemCode(int item) {
    return item >= 0 && item < SettingsStore::kProductItems ? QStringLiteral("1%1").arg(item)
                                                            : QString();
}

std::optional<QString> ComposeValue(const CatalogueEntry& entry,
                                    const std::vector<int>& positions) {
    if (entry.kind != ItemKind::Choice && entry.kind != ItemKind::PackedChoice) return {};
    if (entry.rows.empty() || positions.size() != entry.rows.size()) return {};
    QString digits;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const RowSpec row = RowOf(entry.model, entry.rows[i]);
        const int p = positions[i];
        if (p < 0 || p >= row.options.size()) return {};
        const int digit = p + (row.binding.oneBased ? 1 : 0);
        if (entry.kind == ItemKind::PackedChoice && digit > 9) return {};
        digits += QString::number(digit);
    }
    return (QStringLiteral("00000") + digits).right(kValueLength);
}

QString ReadChars(const RowBinding& binding, const QString& value) {
    switch (binding.span) {
        case CharSpan::Whole:
            return value;
        case CharSpan::First:
            return value.left(binding.count);
        case CharSpan::Last:
            return value.right(binding.count);
        case CharSpan::At:
            return binding.count >= 1 && binding.count <= value.size()
                       ? value.mid(binding.count - 1, 1)
                       : QString();
    }
    return {};
}

std::optional<int> PositionOf(const RowBinding& binding, const QString& value) {
    if (binding.show != RowShow::Choice || value.isEmpty()) return {};
    const int digit = NumberOf(ReadChars(binding, value));
    return binding.oneBased ? digit - 1 : digit;
}

std::vector<int> PositionsOf(const CatalogueEntry& entry, const QString& value) {
    std::vector<int> positions;
    if (value.isEmpty()) return positions;
    for (int row : entry.rows) {
        const auto p = PositionOf(RowOf(entry.model, row).binding, value);
        if (!p) return {};
        positions.push_back(*p);
    }
    return positions;
}

RowBinding DecimalPointSource(IndicatorModel model) {
    const int row = FactsOf(model).decimalPointRow;
    return RowOf(model, row).binding;
}
