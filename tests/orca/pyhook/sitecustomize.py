# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes Orca's --debug-file line-buffered. Orca opens it with open(path, "w"), fully buffered,
# so its tail lags seconds behind what is spoken. run-orca.sh puts this folder on Orca's
# PYTHONPATH and names the file in ORCA_DEBUG_LINEBUF; no other file is touched.
import builtins
import os

_open = builtins.open
_target = os.environ.get("ORCA_DEBUG_LINEBUF")


def _linebuffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if _target and isinstance(file, str) and os.path.abspath(file) == _target \
            and "w" in mode and "b" not in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = _linebuffered_open
