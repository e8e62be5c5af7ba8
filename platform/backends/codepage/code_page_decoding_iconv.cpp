// Code page 932 by glibc's iconv, whose "CP932" converter follows Microsoft's
// table (unlike its "SHIFT_JIS", which lacks the NEC and IBM rows).

#include <iconv.h>

#include <memory>
#include <type_traits>

#include "platform/backends/codepage/code_page_decoding.h"

namespace ombrelk {

namespace {

struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// A fresh converter for each text: one holds the shift state of the text it
// converts, and texts are few and short.
Converter OpenCp932ToUtf8() {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  return Converter(cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd);
}

}  // namespace

std::optional<std::string> CodePageDecoding::Cp932ToUtf8(std::string_view bytes) const {
  const Converter cd = OpenCp932ToUtf8();
  if (!cd) return std::nullopt;
  // Every character of code page 932, of one byte or two, takes at most three
  // bytes in UTF-8, so the output fits at once.
  std::string out(bytes.size() * 3, '\0');
  // iconv takes a non-const input pointer but only reads through it.
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size();
  char* put = out.data();
  std::size_t out_left = out.size();
  // An invalid or cut-off sequence, or a byte the table lacks, fails the call.
  if (iconv(cd.get(), &in, &in_left, &put, &out_left) == static_cast<std::size_t>(-1) ||
      in_left != 0) {
    return std::nullopt;
  }
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace ombrelk
