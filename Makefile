# Everything a fresh Debian 12 machine needs: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)

# Debian packages: to build the program, what it needs when it runs, and what only its tests need.
# `make run` installs the first two, `make test` all three.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb1-dev
RUN_PACKAGES := fonts-comic-neue fonts-liberation2 fonts-dejavu-core libqt6svg6 qt6-wayland qt6-translations-l10n
# The window-manager tests drive the real program under these window managers; Marco's settings
# need MATE's schemas, and KWin draws no title bar without its Breeze decoration. The Wayland
# check runs it under weston's headless backend.
TEST_PACKAGES := libgtest-dev libgmock-dev locales desktop-file-utils appstream dpkg-dev xvfb xauth \
  openbox xfwm4 metacity dbus-daemon python3-xlib xdotool wmctrl \
  marco mate-settings-daemon-common kwin-x11 kwin-style-breeze fluxbox icewm i3-wm weston
PACKAGES := $(BUILD_PACKAGES) $(RUN_PACKAGES)

CMAKE_COMMON := -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: all deps test-deps build run test test-asan bench soak fuzz screenshots install clean startup \
  open-bench web web-deps web-run test-web web-bench dist deb deb-check

all: build

# Installs what is missing through apt-get, as root or with sudo; without either it names the
# packages and stops.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then sudo=""; \
	  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo="sudo"; \
	  else echo "error: these Debian packages are missing and I cannot install them (not root, no sudo):"; \
	       echo "  apt-get install $$missing" | tr -s ' '; exit 1; fi; \
	  echo "Installing: $$missing"; \
	  $$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# What the tests need besides. The Italian locale lets them prove that the reading ignores the
# decimal comma.
test-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(TEST_PACKAGES)"
	@if ! locale -a 2>/dev/null | grep -qi '^it_IT.utf8$$' && [ "$$(id -u)" = 0 ]; then \
	  localedef -i it_IT -f UTF-8 it_IT.UTF-8 >/dev/null 2>&1 || true; fi

# The program alone: its tests' tree is build/test.
build: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVERTOLA_TESTS=OFF $(CMAKE_COMMON) >/dev/null
	cmake --build build/release -j$(JOBS) --target vertola

run: build
	./build/release/src/app/vertola

# The tests' build treats every warning as an error.
test: test-deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVERTOLA_WERROR=ON $(CMAKE_COMMON) >/dev/null
	cmake --build build/test -j$(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-web

# The inner loop: the core's and the widgets' unit tests, the bridge's, and the floors of src/, in
# the tests' build. No packages are installed, and no X server, browser or window manager is run.
CHECK_TARGETS := core_tests ui_tests web_bridge_tests vertola_layouts_json vertola_floors
CHECK_BUILD ?= build/test
.PHONY: check
check:
	cmake -S . -B $(CHECK_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERTOLA_WERROR=ON $(CMAKE_COMMON) >/dev/null
	cmake --build $(CHECK_BUILD) -j$(JOBS) --target $(CHECK_TARGETS)
	cd $(CHECK_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -L check

test-asan: test-deps
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVERTOLA_WERROR=ON -DVERTOLA_SANITIZE=ON $(CMAKE_COMMON) >/dev/null
	cmake --build build/asan -j$(JOBS)
	cd build/asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS)

bench: deps
	@$(MAKE) --no-print-directory deps PACKAGES="libbenchmark-dev"
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVERTOLA_BENCH=ON -DVERTOLA_TESTS=OFF $(CMAKE_COMMON) >/dev/null
	cmake --build build/bench -j$(JOBS)
	./build/bench/bench/vertola_bench
	QT_QPA_PLATFORM=offscreen ./build/bench/bench/vertola_ui_bench

# The numeric reading against a plain reference reading under libFuzzer, with address and
# undefined-behaviour checks, for FUZZ_SECONDS. Inputs it finds stay in build/fuzz/corpus; the
# seeds in fuzz/corpus are only copied.
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	cmake --build build/fuzz -j$(JOBS)
	@mkdir -p build/fuzz/corpus build/fuzz/artifacts && cp fuzz/corpus/* build/fuzz/corpus/
	@./build/fuzz/reading_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -dict=fuzz/reading.dict \
	  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus >build/fuzz/fuzz.log 2>&1; status=$$?; \
	runs=$$(sed -n 's/^stat::number_of_executed_units: *//p' build/fuzz/fuzz.log); \
	rate=$$(sed -n 's/^stat::average_exec_per_sec: *//p' build/fuzz/fuzz.log); \
	secs=$$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' build/fuzz/fuzz.log); \
	divergences=$$(grep -c '^divergence:' build/fuzz/fuzz.log); \
	echo "executions: $${runs:-?}  time: $${secs:-?} s  exec/s: $${rate:-?}  divergences: $$divergences"; \
	if [ $$status -ne 0 ]; then grep -m3 -E '^divergence:|ERROR|runtime error' build/fuzz/fuzz.log; \
	  echo "the input is in build/fuzz/artifacts/, the whole log in build/fuzz/fuzz.log"; exit 1; fi

# The random walk of the whole program, SOAK_SEEDS walks of SOAK_EVENTS events each, under
# address and undefined-behaviour checks. Optimised for speed, so not with -Werror: g++ 12 reports
# false "maybe uninitialized" warnings inside <regex> once sanitizers and -O2 meet.
SOAK_EVENTS ?= 500000
SOAK_SEEDS ?= 4
soak: test-deps
	cmake -S . -B build/soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTOLA_SANITIZE=ON -DVERTOLA_UI=OFF \
	  -DVERTOLA_WERROR=OFF $(CMAKE_COMMON) >/dev/null
	cmake --build build/soak -j$(JOBS) --target core_tests
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 WALK_EVENTS=$(SOAK_EVENTS) WALK_SEEDS=$(SOAK_SEEDS) \
	  ./build/soak/tests/core_tests --gtest_filter='RandomWalk.*'

# The release program must carry Debian's hardening: PIE, full RELRO, BIND_NOW, stack protector
# and fortified calls.
.PHONY: hardening
hardening: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVERTOLA_TESTS=OFF $(CMAKE_COMMON) >/dev/null
	cmake --build build/release -j$(JOBS) --target vertola
	sh tests/hardening/check_hardening.sh --compile-commands build/release/compile_commands.json \
	  build/release/src/app/vertola

# The pictures of every window go to build/screenshots; the README's copies in docs/screenshots
# change only through screenshots-docs, on purpose.
screenshots: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVERTOLA_TESTS=OFF $(CMAKE_COMMON) >/dev/null
	cmake --build build/release -j$(JOBS) --target vertola_screenshots
	QT_QPA_PLATFORM=offscreen ./build/release/tests/tools/vertola_screenshots build/screenshots

.PHONY: screenshots-docs
screenshots-docs: screenshots
	mkdir -p docs/screenshots
	cp build/screenshots/*.png docs/screenshots/

# The release tarball: the tracked files as they are in the work tree, sorted, with the last commit's
# time, no owner and plain modes, so that every run gives the same bytes. The version is the newest
# release of the AppStream metainfo, as CMake reads it. debian/ is not upstream's: a distribution
# brings its own, and `make deb` adds ours beside the tarball.
VERSION := $(shell sed -n '/<release version="/{s/.*<release version="\([^"]*\)".*/\1/p;q}' packaging/it.vertola.operazioni.metainfo.xml)
DIST := operazioni-in-vertola-$(VERSION)
dist:
	@mkdir -p build/dist
	set -o pipefail; git ls-files -z -- . ':!:debian' | LC_ALL=C sort -z | tar -cf - --format=gnu --transform='s,^,$(DIST)/,' \
	  --mtime=@$$(git log -1 --format=%ct) --owner=0 --group=0 --numeric-owner --mode=u+rw,go=rX \
	  --no-recursion --null -T - | gzip -9n >build/dist/$(DIST).tar.gz
	@sha256sum build/dist/$(DIST).tar.gz

# The Debian source and binary packages, built from the tarball by dpkg-buildpackage in DEB_DIR, with
# debian/control's Build-Depends installed (debhelper-compat is debhelper's).
DEB_DIR ?= build/deb
DEB_BUILD_DEPENDS := $(shell sed -n '/^Build-Depends:/,/^[^ ]/s/^\(Build-Depends:\)\? *\([a-z0-9][a-z0-9.+-]*\).*/\2/p' \
  debian/control 2>/dev/null | sed 's/^debhelper-compat$$/debhelper/')
deb: dist
	@$(MAKE) --no-print-directory deps PACKAGES="build-essential dpkg-dev $(DEB_BUILD_DEPENDS)"
	rm -rf $(DEB_DIR) && mkdir -p $(DEB_DIR)
	cp build/dist/$(DIST).tar.gz $(DEB_DIR)/operazioni-in-vertola_$(VERSION).orig.tar.gz
	tar -C $(DEB_DIR) -xzf build/dist/$(DIST).tar.gz
	git ls-files -z debian | tar -cf - --null -T - | tar -C $(DEB_DIR)/$(DIST) -xf -
	cd $(DEB_DIR)/$(DIST) && dpkg-buildpackage -us -uc -j$(JOBS) >../build.log 2>&1 \
	  || { tail -40 ../build.log; echo "the whole log: $(DEB_DIR)/build.log"; exit 1; }
	@cd $(DEB_DIR) && ls *.dsc *.changes *.deb

# lintian at pedantic on the source and binary packages; the autopkgtest in a fresh Debian 12 root
# (DEB_TESTBED, made once with debootstrap); a second build from the source package in another folder,
# a week later and in another time zone, whose .deb files must be the same bytes as the first's.
DEB_TESTBED ?= build/testbed/bookworm.tar
DEB_AGAIN := build/deb-again/in/another/folder
DEB_CHECK_PACKAGES := lintian autopkgtest debootstrap uidmap faketime
deb-check: deb
	@$(MAKE) --no-print-directory deps PACKAGES="$(DEB_CHECK_PACKAGES)"
	@# The unshare runner maps the user's subordinate IDs: Debian gives each new user a range, not root.
	@if [ "$$(id -u)" = 0 ] && ! { grep -q '^root:' /etc/subuid && grep -q '^root:' /etc/subgid; } 2>/dev/null; then \
	  usermod --add-subuids 100000-165535 --add-subgids 100000-165535 root; fi
	cd $(DEB_DIR) && lintian --pedantic --display-info --fail-on error,warning,info,pedantic \
	  *.dsc *.changes *.deb
	@if [ ! -f $(DEB_TESTBED) ]; then rm -rf $(DEB_TESTBED).d && mkdir -p $(DEB_TESTBED).d && \
	  debootstrap --variant=minbase bookworm $(DEB_TESTBED).d >/dev/null && \
	  tar -C $(DEB_TESTBED).d -cf $(DEB_TESTBED) . && rm -rf $(DEB_TESTBED).d; fi
	autopkgtest $(DEB_DIR)/*.changes -- unshare --tarball $(DEB_TESTBED)
	rm -rf $(DEB_AGAIN) && mkdir -p $(DEB_AGAIN)
	cd $(DEB_AGAIN) && dpkg-source -x $(abspath $(DEB_DIR))/*.dsc $(DIST) >/dev/null && cd $(DIST) && \
	  TZ=Pacific/Kiritimati faketime -f +7d dpkg-buildpackage -us -uc -b -j$(JOBS) >../build.log 2>&1 \
	  || { tail -40 ../build.log; echo "the whole log: $(DEB_AGAIN)/build.log"; exit 1; }
	@for deb in $$(cd $(DEB_DIR) && ls *.deb); do sha256sum $(DEB_DIR)/$$deb $(DEB_AGAIN)/$$deb; \
	  cmp $(DEB_DIR)/$$deb $(DEB_AGAIN)/$$deb || exit 1; done; echo "the two builds' packages are the same bytes"

clean:
	rm -rf build

# Start-up to the main menu on screen, and resident memory, against the bare Qt window.
STARTUP_PACKAGES := xvfb dbus python3-xlib
startup: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(STARTUP_PACKAGES)"
	cmake -S bench/hello -B build/hello -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build/hello -j$(JOBS)
	/usr/bin/python3 bench/startup.py --title Hello --runs 20 -- build/hello/hello
	/usr/bin/python3 bench/startup.py --title "Operazioni in vertola" --runs 20 -- build/release/src/app/vertola

# From a click (XTEST, on a private Xvfb) to each window it opens looking final: the level menus,
# every exercise window, the multiplication chooser and the score windows. Same packages as startup.
OPEN_RUNS ?= 5
open-bench: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(STARTUP_PACKAGES)"
	cmake --build build/release -j$(JOBS) --target vertola_layouts_json
	/usr/bin/python3 bench/open_windows.py --runs $(OPEN_RUNS) --layouts build/release/layouts.json -- build/release/src/app/vertola

# The real program started START_SOAK_ROUNDS times on a private Xvfb under START_SOAK_WM, every core
# kept busy: frozen starts, processes left without a window, crashes and stderr output are counted.
START_SOAK_ROUNDS ?= 200
START_SOAK_WM ?= openbox
.PHONY: start-soak
start-soak: build test-deps
	cmake --build build/release -j$(JOBS) --target vertola_layouts_json
	/usr/bin/python3 tests/wm/start_soak.py --layouts build/release/layouts.json --rounds $(START_SOAK_ROUNDS) \
	  --wm $(START_SOAK_WM) build/release/src/app/vertola

# The browser edition: the core compiled to WebAssembly, the page, the drawings and the fonts, as
# one static folder, build/web, that installs as an app and works offline; and the same page as one
# file that runs from a disk, build/web/operazioni-in-vertola.html.
WEB_PACKAGES := emscripten chromium nodejs librsvg2-bin
WEB_FONTS := comic-neue/files/comic-neue-latin-400-normal.woff2 comic-neue/files/comic-neue-latin-700-normal.woff2 \
  comic-neue/files/comic-neue-latin-400-italic.woff2 arimo/files/arimo-latin-400-normal.woff2 \
  arimo/files/arimo-latin-700-normal.woff2
# Debian's emscripten runs its JS tools with the node on PATH, which finds Debian's modules only
# when it is Debian's own. Its glue, run under node 18 or 20, needs their fetch off.
EM_ENV := NODE_PATH=/usr/share/nodejs
NODE_GLUE := node --no-experimental-fetch
WEB_PORT ?= 8080
# The page's files served as they are; its modules reach the folder only through the bundle, main.js.
WEB_PAGE := src/web/page
WEB_PAGE_FILES := index.html style.css sw.js

# npm comes with a nodejs from elsewhere, and Debian's npm conflicts with it: npm is installed only
# when there is none. node_modules is installed again when the lock file is newer.
web-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_PACKAGES)"
	@command -v npm >/dev/null || $(MAKE) --no-print-directory deps PACKAGES=npm
	@if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ] \
	  || [ package.json -nt node_modules/.package-lock.json ]; then PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund; fi

web: web-deps
	$(EM_ENV) emcmake cmake -S . -B build/wasm -DCMAKE_BUILD_TYPE=MinSizeRel -DVERTOLA_UI=OFF -DVERTOLA_TESTS=OFF \
	  $(CMAKE_COMMON) >/dev/null
	$(EM_ENV) cmake --build build/wasm -j$(JOBS) --target vertola_web
	@rm -rf build/web.new build/web-gen && mkdir -p build/web.new/fonts build/web-gen
	@cp build/wasm/src/web/vertola_core.mjs build/wasm/src/web/vertola_core.wasm build/web.new/
	@cp $(addprefix $(WEB_PAGE)/,$(WEB_PAGE_FILES)) build/web.new/
	@cp $(addprefix node_modules/@fontsource/,$(WEB_FONTS)) build/web.new/fonts/
	@# The steps write generated files and touch no source: the main menu's first look, recorded from
	@# the core, as a module in build/web-gen that the bundle puts in place of the page's empty one; the
	@# drawings it does not carry; the page's modules bundled into main.js; the same page as one file;
	@# the manifest and its icons. Last, the release's list of the files the folder holds and their hashes.
	@$(NODE_GLUE) src/web/tools/first_look.mjs build/wasm/src/web assets build/web-gen/first_look.js
	@node src/web/tools/drawings.mjs build/web-gen/first_look.js assets build/web.new/assets
	@node src/web/tools/bundle.mjs $(WEB_PAGE)/main.js build/web.new/main.js first_look.js=build/web-gen/first_look.js
	@node src/web/tools/single_file.mjs build/web.new $(WEB_PAGE)/main.js first_look.js=build/web-gen/first_look.js
	@$(NODE_GLUE) src/web/tools/offline_app.mjs build/web.new
	@node src/web/tools/release.mjs build/web.new
	@rm -rf build/web && mv build/web.new build/web
	@echo "build/web: $$(find build/web -type f | wc -l) files, $$(find build/web -type f -printf '%s\n' | awk '{s+=$$1} END {print s}') bytes"

web-run: web
	node src/web/serve.mjs build/web $(WEB_PORT)

# The type check of the page and, through tsconfig.node.json, of the build's tools; the module under
# node; every browser test there is in Chromium, then the
# smoke tests in Firefox ESR and WebKitGTK (MiniBrowser under WebKitWebDriver), each on an Xvfb of
# its own with real keys (xdotool) and a real clipboard (xclip).
ENGINE_PACKAGES := firefox-esr webkit2gtk-driver xvfb xdotool xclip
test-web: web
	node_modules/.bin/tsc -b tsconfig.json
	$(NODE_GLUE) --test tests/web_bridge/wasm_module.test.mjs
	@tests=$$(ls tests/web/*.test.mjs 2>/dev/null); \
	if [ -n "$$tests" ]; then node --test $$tests; else echo "no browser tests in tests/web"; fi
	@$(MAKE) --no-print-directory deps PACKAGES="$(ENGINE_PACKAGES)"
	node --test tests/engines/*.test.mjs

# Start-up beside a bare page, the folder's weight and a check's time to paint, in headless Chromium.
WEB_BENCH_RUNS ?= 10
LIGHTHOUSE_RUNS ?= 3
web-bench: web
	node bench/web_bench.mjs build/web $(WEB_BENCH_RUNS)
	@# Lighthouse, mobile and desktop, on the folder served compressed as a static host serves it.
	CHROME_PATH=/usr/bin/chromium LIGHTHOUSE_RUNS=$(LIGHTHOUSE_RUNS) node src/web/lighthouse.mjs build/web build/lighthouse
