#version 120

uniform sampler2D iSrc;
uniform sampler2D iDst;
uniform float iFade;

void main()
{
	vec2 st = gl_TexCoord[0].st;
	vec4 src = texture2D(iSrc, st);
	vec4 dst = texture2D(iDst, st);
	// steep wipe front
	float wipe = pow(clamp(2.0 * gl_TexCoord[0].t + (3.0 * iFade - 2.0), 0.0, 1.0), 20.0);
	gl_FragColor = src * (1.0 - wipe) + dst * wipe;
}