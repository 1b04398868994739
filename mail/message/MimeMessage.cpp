// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/message/MimeMessage.h"

#include <QUuid>

#include <gmime/gmime.h>

#include <mutex>

namespace markwell {
namespace {

// GMime is set up once for the whole program, from whichever thread builds
// the first message.
void initGMime() {
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

// Owns one reference to a GObject.
template <class T>
class Owned {
public:
    explicit Owned(T* object) : object_(object) {}
    ~Owned() {
        if (object_) g_object_unref(object_);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    T* get() const { return object_; }

private:
    T* object_;
};

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

// Text with its line ends as LF, whatever it was typed with: the message is
// written with CRLF line ends throughout, and a lone CR would be refused by
// some servers.
QString withLineFeeds(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

GMimeObject* textPart(const QString& body) {
    GMimeTextPart* text = g_mime_text_part_new_with_subtype("plain");
    // Stored in the charset that suits it best, which the part then names.
    g_mime_text_part_set_text(text, utf8(withLineFeeds(body)).constData());
    GMimePart* part = GMIME_PART(text);
    g_mime_part_set_content_encoding(part, g_mime_part_get_best_content_encoding(part, GMIME_ENCODING_CONSTRAINT_7BIT));
    return GMIME_OBJECT(text);
}

GMimeObject* attachmentPart(const MessageAttachment& attachment) {
    const qsizetype slash = attachment.mimeType.indexOf('/');
    const QByteArray type = attachment.mimeType.left(slash);
    const QByteArray subtype = attachment.mimeType.mid(slash + 1);
    GMimePart* part = g_mime_part_new_with_type(type.constData(), subtype.constData());
    Owned<GMimeStream> stream(
        g_mime_stream_mem_new_with_buffer(attachment.bytes.constData(), static_cast<size_t>(attachment.bytes.size())));
    Owned<GMimeDataWrapper> content(g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
    g_mime_part_set_content(part, content.get());
    g_mime_part_set_filename(part, utf8(attachment.fileName).constData());
    g_mime_part_set_content_encoding(part, GMIME_CONTENT_ENCODING_BASE64);
    return GMIME_OBJECT(part);
}

// The body alone, or the body followed by the attachment.
GMimeObject* messageBody(const MessageContent& content) {
    GMimeObject* text = textPart(content.body);
    if (!content.attachment) return text;
    GMimeMultipart* mixed = g_mime_multipart_new_with_subtype("mixed");
    g_mime_multipart_add(mixed, text);
    g_object_unref(text);
    GMimeObject* attachment = attachmentPart(*content.attachment);
    g_mime_multipart_add(mixed, attachment);
    g_object_unref(attachment);
    return GMIME_OBJECT(mixed);
}

void addHeaders(GMimeMessage* message, const MessageContent& content) {
    // A message saved for the mail program may have no sender yet: the program adds its own.
    if (!content.from.address.isEmpty()) {
        g_mime_message_add_mailbox(message, GMIME_ADDRESS_TYPE_FROM, utf8(content.from.name).constData(),
                                   utf8(content.from.address).constData());
    }
    for (const Mailbox& to : content.to) {
        g_mime_message_add_mailbox(message, GMIME_ADDRESS_TYPE_TO, utf8(to.name).constData(),
                                   utf8(to.address).constData());
    }
    g_mime_message_set_subject(message, utf8(content.subject).constData(), "utf-8");
    const QDateTime date = content.date.isValid() ? content.date : QDateTime::currentDateTime();
    GTimeZone* zone = g_time_zone_new_offset(date.offsetFromUtc());
    GDateTime* when = g_date_time_new(zone, date.date().year(), date.date().month(), date.date().day(),
                                      date.time().hour(), date.time().minute(), date.time().second());
    g_mime_message_set_date(message, when);
    g_date_time_unref(when);
    g_time_zone_unref(zone);
    g_mime_message_set_message_id(message, utf8(content.messageId).constData());
}

}  // namespace

QByteArray mimeMessageBytes(const MessageContent& content) {
    initGMime();
    Owned<GMimeMessage> message(g_mime_message_new(TRUE));
    addHeaders(message.get(), content);
    GMimeObject* body = messageBody(content);
    g_mime_message_set_mime_part(message.get(), body);
    g_object_unref(body);

    GMimeFormatOptions* options = g_mime_format_options_new();
    g_mime_format_options_set_newline_format(options, GMIME_NEWLINE_FORMAT_DOS);
    Owned<GMimeStream> out(g_mime_stream_mem_new());
    g_mime_object_write_to_stream(GMIME_OBJECT(message.get()), options, out.get());
    g_mime_format_options_free(options);
    const GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
    return QByteArray(reinterpret_cast<const char*>(bytes->data), static_cast<qsizetype>(bytes->len));
}

QString newMessageId(const QString& senderAddress) {
    QString domain = senderAddress.section(QLatin1Char('@'), 1);
    if (domain.isEmpty()) domain = QStringLiteral("markwell.invalid");
    return QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".markwell@") + domain;
}

}  // namespace markwell
