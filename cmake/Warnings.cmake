# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Every target of ours gets the same warning set; CI turns them into errors.
function(markwell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(MARKWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
