#!/usr/bin/env bash
# 32-bit Windows programs need the kernel to run i386 Linux code (Wine's 32-bit loader).
# Some virtual machines refuse it (execve gives ENOEXEC); there, qemu-user can run it,
# slowly, once it is registered for i386 programs. Exit 0 when i386 code runs.
set -u
probe() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
probe && exit 0
[ -x /usr/bin/qemu-i386 ] || exit 1
[ "$(id -u)" -eq 0 ] || { echo "enable-i386: needs root to register qemu-i386" >&2; exit 1; }
if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || exit 1
fi
if [ ! -e /proc/sys/fs/binfmt_misc/talvo-qemu-i386 ]; then
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":talvo-qemu-i386:M::${magic}:${mask}:/usr/bin/qemu-i386:F" \
    > /proc/sys/fs/binfmt_misc/register 2>/dev/null || true
fi
probe && { echo "enable-i386: i386 programs run through qemu-user (emulated)"; exit 0; }
exit 1
