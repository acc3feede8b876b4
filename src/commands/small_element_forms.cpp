#include "commands/small_element_forms.h"

#include "commands/small_element_generators.h"
#include "dialogs/dialog_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using Kind = SmallField::Kind;

QStringList utf8List(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

SmallDialogRecord newRecord(const char *className, const char *caption, const char *hint = "")
{
    SmallDialogRecord record;
    record.className = className;
    record.caption = caption;
    record.hint = hint;
    return record;
}

std::vector<SmallDialogRecord> buildRecords()
{
    const QStringList scriptEvents = utf8List(
        {"onabort", "onafterupdate", "onbeforeunload", "onbeforeupdate", "onblur", "onbounce", "onclick",
         "ondataavailable", "ondatasetcomplete", "ondatasetchanged", "ondblclick", "ondragstart", "onerror",
         "onerrorupdate", "onfilterchange", "onfinish", "onfocus", "onhelp", "onchange", "onkeydown", "onkeypress",
         "onkeyup", "onload", "onmousedown", "onmousemove", "onmouseout", "onmouseover", "onmouseup",
         "onreadystatechange", "onreset", "onresize", "onrowenter", "onrowexit", "onscroll", "onselect",
         "onselectstart", "onstart", "onsubmit", "onunload"});

    std::vector<SmallDialogRecord> records;

    SmallDialogRecord p = newRecord("TP_Form", "Odstavec", "Nový odstavec ...");
    p.fields = {
        {Kind::Combo, "Align_ComboBox", "Zarovnání", utf8List({"left", "center", "right", "justify", "clear", "none"}), "Vyberte ..."},
        {Kind::Combo, "Obtekani_ComboBox", "Obtékání", utf8List({"", "left", "center", "right", "justify", "all"}), "Vyberte ..."},
        {Kind::Check, "Nezalamovat_CheckBox", "Nezalamovat text", {}, "NoWrap - nezalamuje text"},
        {Kind::Check, "KoncovyTag_CheckBox", "Zahrnout koncový tag", {}, "Zahrne koncový tag", true},
    };
    p.insertHint = "Vloží vygenerovaný kód";
    p.backHint = "Vráti se zpět";
    p.generate = [](const SmallFieldValues &v) {
        return paragraphEdit({v.text("Align_ComboBox"), v.text("Obtekani_ComboBox"), v.checked("Nezalamovat_CheckBox"),
                              v.checked("KoncovyTag_CheckBox")});
    };
    records.push_back(p);

    SmallDialogRecord q = newRecord("TQ_Form", "CITACE");
    q.fields = {{Kind::Edit, "Q_Edit", "Citace", {}, "Hodnota citace"}};
    q.backButton = "Button1";
    q.generate = [](const SmallFieldValues &v) { return quotationEdit(v.text("Q_Edit")); };
    records.push_back(q);

    SmallDialogRecord label = newRecord("TLabel_Form", "LABEL");
    label.fields = {{Kind::Edit, "Text_Edit", "Text:", {}, "", false, true}};
    label.focusField = "Text_Edit";
    label.generate = [](const SmallFieldValues &v) { return formLabelEdit(v.text("Text_Edit")); };
    records.push_back(label);

    SmallDialogRecord option = newRecord("TOption_Form", "OPTION");
    option.fields = {{Kind::Edit, "Text_Edit", "Hodnota:"}};
    option.focusField = "Text_Edit";
    option.generate = [](const SmallFieldValues &v) { return listOptionEdit(v.text("Text_Edit")); };
    records.push_back(option);

    SmallDialogRecord param = newRecord("TParam_Form", "PARAM");
    param.fields = {{Kind::Edit, "Jmeno_Edit", "Jméno:", {}, "", false, true},
                    {Kind::Edit, "Hodnota_Edit", "Hodnota:", {}, "", false, true}};
    param.generate = [](const SmallFieldValues &v) {
        return objectParameterEdit(v.text("Jmeno_Edit"), v.text("Hodnota_Edit"));
    };
    records.push_back(param);

    SmallDialogRecord meta = newRecord("TMeta_Form", "META");
    meta.group = "   Atributy tagu META   ";
    meta.fields = {
        {Kind::Combo, "Name_ComboBox", "NAME:",
         utf8List({"refresh", "language", "description", "country", "keywords", "owner", "resource-type", "distribution",
                   "copyright", "author", "robots"})},
        {Kind::Edit, "Content_Edit", "CONTENT:"},
        {Kind::Edit, "Equiv_Edit", "HTTP-EQUIV:"},
    };
    meta.insertHint = "Vložit";
    meta.backHint = "Zpět";
    meta.generate = [](const SmallFieldValues &v) {
        return metaEdit({v.text("Name_ComboBox"), v.text("Content_Edit"), v.text("Equiv_Edit")});
    };
    records.push_back(meta);

    SmallDialogRecord script = newRecord("TSCRIPT_Form", "SCRIPT");
    script.fields = {
        {Kind::Combo, "Jazyk_ComboBox", "Jazyk:", utf8List({"javascript", "jscript", "livescript", "vbscript", "vbs"})},
        {Kind::Edit, "Titulek_Edit", "Titulek:"},
        {Kind::Combo, "Udalost_ComboBox", "Údálost:", scriptEvents},
        {Kind::Edit, "Objekt_Edit", "Objekt:"},
    };
    script.generate = [](const SmallFieldValues &v) {
        return scriptEdit({v.text("Jazyk_ComboBox"), v.text("Titulek_Edit"), v.text("Udalost_ComboBox"), v.text("Objekt_Edit")});
    };
    records.push_back(script);

    SmallDialogRecord hr = newRecord("THr_Form", "Horizontální linka");
    hr.fields = {
        {Kind::DigitCombo, "Sirka_ComboBox", "Šířka:", utf8List({"", "95%", "75%", "65%", "800", "640", "480"})},
        {Kind::DigitCombo, "Tloustka_ComboBox", "Tloušťka:", utf8List({"1", "2", "5", "10", "20"})},
        {Kind::Combo, "Zarovnani_ComboBox", "Zarovnání:", utf8List({"left", "center", "right", "none"})},
        {Kind::Colour, "Barva_Shape", "Barva:", {QStringLiteral("Barva_Button")}},
        {Kind::Check, "UkazBarvu_CheckBox", ""},
        {Kind::CheckLeft, "UkazStin_CheckBox", "Stínovat", {}, "", true},
    };
    hr.generate = [](const SmallFieldValues &v) {
        HorizontalRuleFields f;
        f.width = v.text("Sirka_ComboBox");
        f.size = v.text("Tloustka_ComboBox");
        f.align = v.text("Zarovnani_ComboBox");
        f.colour = v.colour("Barva_Shape");
        f.colourShown = v.checked("UkazBarvu_CheckBox");
        f.shade = v.checked("UkazStin_CheckBox");
        return horizontalRuleEdit(f);
    };
    records.push_back(hr);
    return records;
}

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

QString SmallFieldValues::text(const char *objectName) const
{
    const QString name = QString::fromLatin1(objectName);
    if (auto *edit = m_form->findChild<QLineEdit *>(name))
        return edit->text();
    if (auto *combo = m_form->findChild<QComboBox *>(name))
        return combo->currentText();
    return {};
}

bool SmallFieldValues::checked(const char *objectName) const
{
    auto *box = m_form->findChild<QCheckBox *>(QString::fromLatin1(objectName));
    return box && box->isChecked();
}

Rgb SmallFieldValues::colour(const char *objectName) const
{
    auto *sample = m_form->findChild<ColourSample *>(QString::fromLatin1(objectName));
    return sample ? sample->colour() : Rgb{};
}

const SmallDialogRecord *smallDialogRecord(const QString &className)
{
    static const std::vector<SmallDialogRecord> records = buildRecords();
    for (const SmallDialogRecord &record : records)
        if (className == QLatin1String(record.className))
            return &record;
    return nullptr;
}

SmallElementForm::SmallElementForm(QWidget *parent, DocumentSource documents, const SmallDialogRecord &record)
    : ElementDialog(parent, std::move(documents), record.className, utf8(record.caption)), m_record(record)
{
    setHint(this, utf8(record.hint));
    QWidget *fieldParent = this;
    QGroupBox *group = nullptr;
    if (*record.group) {
        group = new QGroupBox(utf8(record.group), this);
        fieldParent = group;
    }
    auto *form = new QFormLayout(fieldParent);
    QHBoxLayout *previousRow = nullptr; // a caption-less check box joins the colour row before it
    for (const SmallField &field : record.fields) {
        const QString name = QString::fromLatin1(field.objectName);
        const QString caption = utf8(field.label);
        QWidget *control = nullptr;
        switch (field.kind) {
        case Kind::Edit: {
            auto *edit = new QLineEdit(fieldParent);
            edit->setObjectName(name);
            control = edit;
            break;
        }
        case Kind::Combo:
        case Kind::DigitCombo: {
            auto *combo = listComboBox(fieldParent, field.objectName, field.items);
            if (field.kind == Kind::DigitCombo)
                installDigitFilter(combo->lineEdit());
            control = combo;
            break;
        }
        case Kind::Check:
        case Kind::CheckLeft: {
            auto *box = new QCheckBox(caption, fieldParent);
            box->setObjectName(name);
            box->setChecked(field.checked);
            if (field.kind == Kind::CheckLeft)
                box->setLayoutDirection(Qt::RightToLeft);
            setHint(box, utf8(field.hint));
            if (caption.isEmpty() && previousRow) {
                previousRow->insertWidget(previousRow->count() - 1, box);
                continue;
            }
            form->addRow(box);
            previousRow = nullptr;
            continue;
        }
        case Kind::Colour: {
            auto *row = new QWidget(fieldParent);
            auto *sample = new ColourSample(row);
            sample->setObjectName(name);
            auto *button = new ColourButton(sample, row);
            button->setObjectName(field.items.value(0));
            auto *layout = new QHBoxLayout(row);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(sample);
            layout->addWidget(button);
            layout->addStretch();
            form->addRow(caption, row);
            previousRow = layout;
            continue;
        }
        }
        setHint(control, utf8(field.hint));
        if (field.entersInsert)
            control->installEventFilter(this);
        form->addRow(caption, control);
        previousRow = nullptr;
    }

    auto *insert = dialogButton(this, "Vlozit_Button", QString::fromUtf8("&Vložit"), utf8(record.insertHint));
    auto *back = dialogButton(this, record.backButton, QString::fromUtf8("&Zpět"), utf8(record.backHint));
    connect(insert, &QPushButton::clicked, this, &SmallElementForm::Vlozit_ButtonClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(insert);
    buttons->addWidget(back);
    if (group) {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(group);
        layout->addLayout(buttons);
    } else {
        form->addRow(buttons);
    }
    if (*record.focusField)
        if (auto *focus = findChild<QWidget *>(QString::fromLatin1(record.focusField)))
            focus->setFocus();
    setMinimumWidth(320);
}

bool SmallElementForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Vlozit_ButtonClick();
            return true;
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void SmallElementForm::Vlozit_ButtonClick()
{
    insertAndClose(m_record.generate(SmallFieldValues(this)));
}
