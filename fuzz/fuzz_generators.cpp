// Every dialog generator with fields from the fuzzer: no crash, no hang, and what it builds goes
// into a document as one undo step (undo gives the document back as it was).
#include "fuzz_input.h"

#include "base/velinor_error.h"
#include "editor/edit.h"
#include "editor/line_buffer.h"

#include "commands/font_generator.h"
#include "css/css_style_generator.h"
#include "commands/small_element_generators.h"
#include "dialogs/counter_generator.h"
#include "dialogs/css_link_generator.h"
#include "dialogs/email_generator.h"
#include "dialogs/form_generators.h"
#include "dialogs/frame_generators.h"
#include "dialogs/http_link_generator.h"
#include "dialogs/img_generator.h"
#include "dialogs/list_generator.h"
#include "dialogs/multimedia_generators.h"
#include "dialogs/table_generator.h"
#include "tools/gallery_generator.h"

#include <QDir>

#include <functional>
#include <optional>

namespace {

// Fills a generator's fields from the fuzzer's bytes.
class Fields
{
public:
    explicit Fields(FuzzInput &input) : m_input(input) {}
    template <typename... Texts> void texts(Texts &...fields) { ((fields = m_input.text()), ...); }
    template <typename... Flags> void flags(Flags &...fields) { ((fields = m_input.flag()), ...); }
    template <typename Enum> void choose(Enum &field, int count) { field = Enum(m_input.choice(count)); }
    template <typename... Bytes> void bytes(Bytes &...fields) { ((fields = m_input.byte()), ...); }
    void lengths(std::initializer_list<CssLength *> fields)
    {
        for (CssLength *length : fields)
            texts(length->value, length->units);
    }
    void colours(std::initializer_list<CssColour *> fields)
    {
        for (CssColour *colour : fields) {
            flags(colour->checked);
            bytes(colour->colour.red, colour->colour.green, colour->colour.blue);
        }
    }
    void lines(QStringList &field)
    {
        for (int n = m_input.choice(4); n > 0; --n)
            field.append(m_input.text());
    }

private:
    FuzzInput &m_input;
};

struct Generator
{
    const char *name;
    std::function<std::optional<Edit>(Fields &)> run;
};

// One entry per dialog: fill its fields struct, call its generator. A new dialog adds its entry here
// (and a seed file or two under corpus/generators/).
const Generator kGenerators[] = {
    {"table", [](Fields &f) -> std::optional<Edit> {
         TableFields t;
         f.texts(t.caption, t.rows, t.columns, t.cellSpacing, t.cellPadding, t.border, t.width, t.frame, t.rules);
         f.flags(t.noWrap, t.noFlow);
         f.choose(t.widthUnit, 2);
         f.choose(t.alignment, 4);
         return tableEdit(t);
     }},
    {"image", [](Fields &f) -> std::optional<Edit> {
         ImgFields i;
         f.texts(i.path, i.alignment, i.altText, i.height, i.width, i.vspace, i.hspace, i.border);
         f.flags(i.showHeight, i.showWidth, i.showVspace, i.showHspace, i.showBorder);
         return imgEdit(i);
     }},
    {"link", [](Fields &f) -> std::optional<Edit> {
         HttpLinkFields l;
         f.texts(l.address, l.target, l.accessKey, l.title);
         return httpLinkEdit(l);
     }},
    {"e-mail", [](Fields &f) -> std::optional<Edit> {
         EmailFields e;
         f.texts(e.address, e.subject, e.body, e.linkText);
         f.flags(e.textIsAddress);
         return emailEdit(e);
     }},
    {"stylesheet link", [](Fields &f) -> std::optional<Edit> {
         CssLinkFields c;
         f.texts(c.path);
         f.choose(c.form, 2);
         return cssLinkEdit(c);
     }},
    {"form", [](Fields &f) -> std::optional<Edit> {
         FormFields x;
         f.texts(x.name, x.action, x.method, x.title, x.target);
         return formEdit(x);
     }},
    {"input", [](Fields &f) -> std::optional<Edit> {
         InputFields x;
         f.texts(x.type, x.source, x.altText, x.value, x.title, x.name, x.alignment, x.tabIndex, x.maxLength, x.size);
         f.flags(x.showTabIndex, x.showMaxLength, x.showSize, x.active, x.readOnly);
         return inputEdit(x);
     }},
    {"select", [](Fields &f) -> std::optional<Edit> {
         SelectFields x;
         f.texts(x.name, x.alignment, x.tabIndex, x.size);
         f.flags(x.showTabIndex, x.showSize, x.active, x.listBox);
         return selectEdit(x);
     }},
    {"textarea", [](Fields &f) -> std::optional<Edit> {
         TextareaFields x;
         f.texts(x.name, x.alignment, x.columns, x.rows, x.tabIndex);
         f.flags(x.showColumns, x.showRows, x.showTabIndex, x.readOnly);
         return textareaEdit(x);
     }},
    {"frameset", [](Fields &f) -> std::optional<Edit> {
         FramesetFields x;
         f.texts(x.columns, x.rows, x.spacing);
         f.flags(x.showSpacing);
         f.choose(x.scrolling, 3);
         f.choose(x.border, 2);
         return framesetEdit(x);
     }},
    {"frame", [](Fields &f) -> std::optional<Edit> {
         FrameFields x;
         bool inline_ = false;
         f.texts(x.path, x.name, x.alignment, x.marginHeight, x.marginWidth);
         f.flags(x.showMarginHeight, x.showMarginWidth, inline_);
         f.choose(x.form, 3);
         f.choose(x.scrolling, 3);
         f.choose(x.border, 2);
         return frameEdit(inline_ ? QStringLiteral("iframe") : QStringLiteral("frame"), x);
     }},
    {"marquee", [](Fields &f) -> std::optional<Edit> {
         MarqueeFields x;
         f.texts(x.behavior, x.alignment, x.direction, x.loop, x.hspace, x.vspace, x.width, x.height, x.delay, x.amount);
         f.flags(x.showColour, x.showHspace, x.showVspace, x.showWidth, x.showHeight, x.showDelay, x.showAmount);
         f.bytes(x.colour.red, x.colour.green, x.colour.blue);
         return marqueeEdit(x);
     }},
    {"embed", [](Fields &f) -> std::optional<Edit> {
         EmbedFields x;
         f.texts(x.path, x.palette, x.height, x.width);
         f.flags(x.showHeight, x.showWidth);
         f.lines(x.parameters);
         return embedEdit(x);
     }},
    {"background sound", [](Fields &f) -> std::optional<Edit> {
         SoundFields x;
         f.texts(x.path, x.loop);
         return soundEdit(x);
     }},
    {"video", [](Fields &f) -> std::optional<Edit> {
         VideoFields x;
         f.texts(x.path, x.loop, x.start);
         f.flags(x.showLoop, x.controls);
         return videoEdit(x);
     }},
    {"list", [](Fields &f) -> std::optional<Edit> {
         ListFields x;
         f.choose(x.kind, 2);
         f.texts(x.orderedType, x.unorderedType, x.alignment, x.start);
         return listEdit(x);
     }},
    {"counter", [](Fields &f) -> std::optional<Edit> {
         CounterFields x;
         f.texts(x.style, x.identifier, x.digits);
         return counterEdit(x);
     }},
    {"font", [](Fields &f) -> std::optional<Edit> {
         FontFields x;
         f.texts(x.face, x.size, x.title);
         f.flags(x.colourShown, x.strikeOut, x.underline, x.italic, x.bold);
         f.bytes(x.colour.red, x.colour.green, x.colour.blue);
         return fontEdit(x);
     }},
    {"base font", [](Fields &f) -> std::optional<Edit> {
         FontFields x;
         f.texts(x.face, x.size, x.title);
         f.flags(x.colourShown);
         f.bytes(x.colour.red, x.colour.green, x.colour.blue);
         return baseFontEdit(x);
     }},
    {"paragraph", [](Fields &f) -> std::optional<Edit> {
         ParagraphFields x;
         f.texts(x.align, x.clear);
         f.flags(x.noWrap, x.endTag);
         return paragraphEdit(x);
     }},
    {"quotation, label, option", [](Fields &f) -> std::optional<Edit> {
         QString value;
         int which = 0;
         f.texts(value);
         f.bytes(which);
         return which % 3 == 0 ? quotationEdit(value) : which % 3 == 1 ? formLabelEdit(value) : listOptionEdit(value);
     }},
    {"parameter", [](Fields &f) -> std::optional<Edit> {
         QString name;
         QString value;
         f.texts(name, value);
         return objectParameterEdit(name, value);
     }},
    {"meta", [](Fields &f) -> std::optional<Edit> {
         MetaFields x;
         f.texts(x.name, x.content, x.httpEquiv);
         return metaEdit(x);
     }},
    {"script", [](Fields &f) -> std::optional<Edit> {
         ScriptFields x;
         f.texts(x.language, x.title, x.event, x.forObject);
         return scriptEdit(x);
     }},
    {"horizontal rule", [](Fields &f) -> std::optional<Edit> {
         HorizontalRuleFields x;
         f.texts(x.width, x.size, x.align);
         f.flags(x.colourShown, x.shade);
         f.bytes(x.colour.red, x.colour.green, x.colour.blue);
         return horizontalRuleEdit(x);
     }},
    {"stylesheet", [](Fields &f) -> std::optional<Edit> {
         CssStyleFields x;
         f.texts(x.name, x.fontFamily, x.fontWeight, x.fontStyle, x.fontVariant, x.textTransform);
         f.flags(x.underline, x.overline, x.lineThrough, x.blink, x.noDecoration);
         f.texts(x.backgroundImage, x.backgroundRepeat, x.backgroundAttachment, x.textAlign, x.whiteSpace, x.floatSide,
                 x.clearSide, x.borderStyle, x.listType, x.listPosition, x.listImage, x.pageBreakBefore,
                 x.pageBreakAfter, x.cursor, x.filter);
         f.lengths({&x.fontSize, &x.lineHeight, &x.horizontalPosition, &x.verticalPosition, &x.wordSpacing,
                    &x.letterSpacing, &x.verticalAlign, &x.textIndent, &x.width, &x.height, &x.paddingLeft,
                    &x.paddingRight, &x.paddingTop, &x.paddingBottom, &x.marginLeft, &x.marginRight, &x.marginTop,
                    &x.marginBottom, &x.borderLeft, &x.borderRight, &x.borderTop, &x.borderBottom});
         f.colours({&x.fontColour, &x.backgroundColour, &x.borderLeftColour, &x.borderRightColour,
                    &x.borderTopColour, &x.borderBottomColour, &x.scrollFace, &x.scrollHighlight, &x.scrollShadow,
                    &x.scroll3dLight, &x.scrollDarkShadow, &x.scrollTrack, &x.scrollArrow});
         // Whatever the name, the file lands directly in the project folder or is refused.
         try {
             const QString path = cssStyleFilePath(QStringLiteral("/p"), x.name);
             FUZZ_CHECK(QDir::cleanPath(path).section(QLatin1Char('/'), 0, -2) == QStringLiteral("/p"), "stylesheet path");
         } catch (const VelinorError &) {
         }
         return Edit().insert(cssStyleText(x));
     }},
    {"gallery", [](Fields &f) -> std::optional<Edit> {
         GalleryFields x;
         bool sorted = false;
         QStringList dropped;
         f.lines(dropped);
         f.flags(sorted);
         for (const QString &name : dropped)
             addGalleryPicture(x.pictures, name, sorted);
         f.texts(x.columns, x.width, x.height, x.stylesheet);
         try {
             return galleryEdit(x);
         } catch (const VelinorError &) {
             return std::nullopt; // a columns text that is no number: reported by the dialog
         }
     }},
};

// Beyond this many steps the edit is only built: a document of a million lines would make each
// run take seconds (the table's own limit is tested elsewhere).
constexpr std::size_t kMostAppliedSteps = 4000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const Generator &generator = kGenerators[input.choice(int(std::size(kGenerators)))];
    Fields fields(input);
    const std::optional<Edit> edit = generator.run(fields);
    if (!edit || edit->steps().size() > kMostAppliedSteps)
        return 0;

    LineBuffer document;
    document.setText(input.text());
    document.select({input.smallNumber(), input.smallNumber()}, {input.smallNumber(), input.smallNumber()});
    const QStringList before = document.lines();
    try {
        apply(*edit, document);
        FUZZ_CHECK(!edit->error(), generator.name);
    } catch (const VelinorError &) {
        FUZZ_CHECK(edit->error().has_value(), generator.name);
    }
    document.undo();
    const bool changed = std::any_of(edit->steps().begin(), edit->steps().end(),
                                     [](const Edit::Step &step) { return step.kind == Edit::StepKind::Insert; });
    // An edited empty document keeps one empty line.
    const QStringList expected = before.isEmpty() && changed ? QStringList{QString()} : before;
    FUZZ_CHECK(document.lines() == expected, generator.name);
    return 0;
}
