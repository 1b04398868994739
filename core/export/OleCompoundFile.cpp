// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/OleCompoundFile.h"

#include <gsf/gsf-doc-meta-data.h>
#include <gsf/gsf-meta-names.h>
#include <gsf/gsf-msole-utils.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

#include <QCoreApplication>

#include <memory>

namespace markwell {
namespace {

struct OleCompoundFile {
    Q_DECLARE_TR_FUNCTIONS(OleCompoundFile)
};

struct GObjectUnref {
    void operator()(gpointer object) const {
        if (object) g_object_unref(object);
    }
};
template <class T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

QString outputError(GsfOutput* output, const QString& what) {
    const GError* error = gsf_output_error(output);
    if (error && error->message) return what + QStringLiteral(": ") + QString::fromUtf8(error->message);
    return what;
}

Result<void> writeStream(GsfOutfile* container, const char* name, const QByteArray& bytes) {
    GsfPtr<GsfOutput> stream(gsf_outfile_new_child(container, name, FALSE));
    if (!stream) return fail(OleCompoundFile::tr("the workbook container could not be made"));
    const bool written = gsf_output_write(stream.get(), static_cast<std::size_t>(bytes.size()),
                                          reinterpret_cast<const guint8*>(bytes.constData()));
    if (!written) return fail(outputError(stream.get(), OleCompoundFile::tr("the workbook could not be written")));
    if (!gsf_output_close(stream.get())) {
        return fail(outputError(stream.get(), OleCompoundFile::tr("the workbook could not be closed")));
    }
    return {};
}

Result<void> writeTitle(GsfOutfile* container, const QString& title) {
    GsfPtr<GsfDocMetaData> meta(gsf_doc_meta_data_new());
    auto* value = g_new0(GValue, 1);
    g_value_init(value, G_TYPE_STRING);
    g_value_set_string(value, title.toUtf8().constData());
    gsf_doc_meta_data_insert(meta.get(), g_strdup(GSF_META_NAME_TITLE), value);  // takes both

    // The metadata frees the value, which the analyzer cannot see.
    // NOLINTNEXTLINE(clang-analyzer-unix.Malloc)
    GsfPtr<GsfOutput> stream(gsf_outfile_new_child(container, "\005SummaryInformation", FALSE));
    if (!stream || !gsf_doc_meta_data_write_to_msole(meta.get(), stream.get(), FALSE)) {
        return fail(OleCompoundFile::tr("the document title could not be written"));
    }
    if (!gsf_output_close(stream.get())) {
        return fail(outputError(stream.get(), OleCompoundFile::tr("the title could not be closed")));
    }
    return {};
}

}  // namespace

Result<QByteArray> xlsCompoundFile(const QByteArray& workbookStream, const QString& title) {
    GsfPtr<GsfOutput> memory(gsf_output_memory_new());
    GsfPtr<GsfOutfile> container(gsf_outfile_msole_new(memory.get()));
    if (!memory || !container) return fail(OleCompoundFile::tr("the workbook container could not be made"));

    if (Result<void> r = writeStream(container.get(), "Workbook", workbookStream); !r) return r.error();
    if (!title.isEmpty()) {
        if (Result<void> r = writeTitle(container.get(), title); !r) return r.error();
    }
    if (!gsf_output_close(GSF_OUTPUT(container.get()))) {
        return fail(outputError(GSF_OUTPUT(container.get()),
                                OleCompoundFile::tr("the workbook container could not be closed")));
    }
    const gsf_off_t size = gsf_output_size(memory.get());
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()));
    if (!bytes || size <= 0) return fail(OleCompoundFile::tr("the workbook container is empty"));
    return QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
}

}  // namespace markwell
