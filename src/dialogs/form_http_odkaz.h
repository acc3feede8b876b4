#pragma once

#include "dialogs/http_link_generator.h"
#include "dialogs/record_dialog.h"

// "Vložit odkaz": a hyperlink with address, target frame, access key and title; the caret ends
// between the tags.
DialogRecord<HttpLinkFields> httpLinkRecord();
using TFormHTTPOdkaz = DeclaredDialog<HttpLinkFields, httpLinkRecord>;
