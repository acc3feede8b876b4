#pragma once

#include "editor/edit.h"

#include <QString>

// The fields of the hyperlink dialog.
struct HttpLinkFields
{
    QString address;   // FormHTTPOdkaz_Edit_Adresa
    QString target;    // FormHTTPOdkaz_ComboBox
    QString accessKey; // FormHTTPOdkaz_Edit_KlaZkratka
    QString title;     // FormHTTPOdkaz_Edit_Titulek
};

// "<a" with href, target, accesskey and title (each when not empty), "></a>"; the caret goes
// between the tags, where the link text is typed.
Edit httpLinkEdit(const HttpLinkFields &fields);
